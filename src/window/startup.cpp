#include "startup.h"

#include <QFileInfo>

#include <fontconfig/fontconfig.h>

namespace pipwell {

QString programFolder() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

std::jthread readFontsAhead() {
    // Qt's own FcInit() later finds the configuration loaded and returns at once.
    return std::jthread([] { FcInit(); });
}

} // namespace pipwell
