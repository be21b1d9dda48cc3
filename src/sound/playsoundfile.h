#pragma once

#include <QObject>
#include <QString>

namespace pipwell {

// Plays one sound file synchronously: returns when the sound has been heard to its end.
// While it plays the window keeps painting and timers run, but user input is held back
// and delivered after the call returns. A missing or unreadable file plays a short
// built-in default sound; with no sound server it returns at once. A stuck sound server
// cannot hold the caller longer than the sound's length plus kCutOffSlackMs (cutoff.h).
void PlaySoundFile(const QString &path);

/* Starts playing the file now and returns at once; a later PlaySoundFile of the same path
   only waits for its end. Start-up uses it so that the intro plays while the window is
   being built. Needs no application object. */
void startSoundEarly(const QString &path);

/* Ends the connection to the sound server, for a clean exit. */
void stopSounds();

/* True while a PlaySoundFile call is under way (possibly nested inside another). */
bool soundPlaying();

// Tells when the outermost PlaySoundFile call has returned, so that requests held back
// during a sound (closing the window) can be honoured afterwards.
class SoundEvents : public QObject {
    Q_OBJECT
public:
    static SoundEvents *instance();
Q_SIGNALS:
    void allSoundsEnded();
};

} // namespace pipwell
