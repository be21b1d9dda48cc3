#pragma once

#include <QString>

namespace pipwell {

// The seam through which the game plays its sounds: the program plays them for real,
// tests record them instead.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    /* Returns when the sound has ended (synchronous), whatever the file holds. */
    virtual void play(const QString &path) = 0;
};

/* A sound of the program's: it stands in the program's folder. */
QString soundPath(const QString &programDir, const QString &file);

// Plays the sound file. A failing sound never stops the caller: start-up goes on, and no
// handler loses the game in progress.
void playSafely(SoundPlayer &player, const QString &path);

// Plays through PlaySoundFile.
class SystemSoundPlayer final : public SoundPlayer {
public:
    void play(const QString &path) override;
};

} // namespace pipwell
