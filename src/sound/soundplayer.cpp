#include "soundplayer.h"

#include "playsoundfile.h"

#include <QDir>

namespace pipwell {

void SystemSoundPlayer::play(const QString &path) {
    PlaySoundFile(path);
}

void playFromFolder(SoundPlayer &player, const QString &programDir, const QString &file) {
    try {
        player.play(QDir(programDir).filePath(file));
    } catch (...) {
    }
}

} // namespace pipwell
