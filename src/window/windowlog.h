#pragma once

#include <QLoggingCategory>

namespace pipwell {

// Start-up and exit: QT_LOGGING_RULES="pipwell.window.debug=true" tells what was chosen.
Q_DECLARE_LOGGING_CATEGORY(lcWindow)

} // namespace pipwell
