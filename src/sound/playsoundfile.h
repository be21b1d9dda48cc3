#pragma once

#include <QObject>
#include <QString>

// Plays one sound file synchronously: returns when the sound has ended.
// While it plays the window keeps painting and timers run, but user input is held back
// and delivered after the call returns. A missing or unreadable file plays a short
// built-in default sound; with no audio device it returns at once. A stuck audio system
// cannot hold the caller longer than the sound's length plus one second.
void PlaySoundFile(const QString &path);

namespace pipwell {

/* True while a PlaySoundFile call is under way (possibly nested inside another). */
bool soundPlaying();

// Tells when the outermost PlaySoundFile call has returned, so that requests held back
// during a sound (closing the window) can be honoured afterwards.
class SoundEvents : public QObject {
    Q_OBJECT
public:
    static SoundEvents *instance();
signals:
    void allSoundsEnded();
};

} // namespace pipwell
