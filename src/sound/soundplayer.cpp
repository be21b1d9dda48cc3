#include "soundplayer.h"

#include "playsoundfile.h"

namespace pipwell {

void SystemSoundPlayer::play(const QString &path) {
    PlaySoundFile(path);
}

} // namespace pipwell
