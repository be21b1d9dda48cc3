#pragma once

#include <QLoggingCategory>

namespace pipwell::sound {

// Why a sound was not heard: QT_LOGGING_RULES="pipwell.sound.debug=true" tells.
Q_DECLARE_LOGGING_CATEGORY(lcSound)

} // namespace pipwell::sound
