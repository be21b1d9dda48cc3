#pragma once

namespace pipwell::sound {

// However much the sound server lags, PlaySoundFile holds its caller no longer than the
// sound's length plus this. The tests take it from here; CMake reads this line for the
// scripts, so it stays one line.
inline constexpr int kCutOffSlackMs = 1000;

} // namespace pipwell::sound
