#include "startup.h"

#include "windowlog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <fontconfig/fontconfig.h>

namespace pipwell {

QString programFolder() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

void installTranslations(const QLocale &locale) {
    const auto install = [&locale](const QString &name, const QString &folder) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            qCDebug(lcWindow) << "speaking" << translator->language() << "from" << folder;
        } else {
            delete translator;
        }
    };
    install(QStringLiteral("pipwell"), QStringLiteral(":/translations"));
    // Qt's meta catalog rather than qtbase_*: Debian ships some languages (Swedish, European
    // Portuguese) only in it.
    install(QStringLiteral("qt"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

std::jthread readFontsAhead() {
    // Qt's own FcInit() later finds the configuration loaded and returns at once.
    return std::jthread([] { FcInit(); });
}

} // namespace pipwell
