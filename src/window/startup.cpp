#include "startup.h"

#include "windowlog.h"

#include <QFileInfo>
#include <QGuiApplication>
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
    // Each translation names its script's direction, the string Qt's own catalogs use, so a
    // right-to-left language runs right to left also where Debian lacks Qt's catalog for it.
    const QString direction = QCoreApplication::translate(
        "QGuiApplication", "QT_LAYOUT_DIRECTION",
        "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
        "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");
    if (direction == u"RTL" && qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
}

std::jthread readFontsAhead() {
    // Qt's own FcInit() later finds the configuration loaded and returns at once.
    return std::jthread([] { FcInit(); });
}

} // namespace pipwell
