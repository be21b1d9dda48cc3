#include "soundplayer.h"

#include "playsoundfile.h"
#include "soundlog.h"

#include <QDir>

#include <exception>

namespace pipwell {

void SystemSoundPlayer::play(const QString &path) {
    PlaySoundFile(path);
}

QString soundPath(const QString &programDir, const QString &file) {
    return QDir(programDir).filePath(file);
}

void playSafely(SoundPlayer &player, const QString &path) {
    try {
        player.play(path);
    } catch (const std::exception &e) {
        qCWarning(sound::lcSound) << path << "not played:" << e.what();
    } catch (...) {
        qCWarning(sound::lcSound) << path << "not played: the sound system failed";
    }
}

} // namespace pipwell
