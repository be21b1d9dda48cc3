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

// The desktop's UI languages in its own order. Not QLocale::uiLanguages(): from Qt 6.7 it puts
// each language's likely country first, so European Portuguese ("pt") would speak Brazilian.
QStringList desktopLanguages() {
    QStringList languages =
        qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty()) {
            languages << locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
            break;
        }
    }
    return languages;
}

void installTranslations() {
    const QStringList languages = desktopLanguages();
    const auto install = [&languages](const QString &name, const QString &folder) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        // pipwell_de_AT, then pipwell_de, for each language in turn.
        for (const QString &language : languages) {
            // A bare language also as spoken in its own country: Debian has Qt's European
            // Portuguese only as qt_pt_PT.
            QStringList files = {name + QLatin1Char('_') + language};
            if (!language.contains(QLatin1Char('_')))
                files << files.first() + QLatin1Char('_') + language.toUpper();
            for (const QString &file : std::as_const(files)) {
                if (translator->load(file, folder, QStringLiteral("_")) &&
                    translator->filePath().contains(name + QLatin1Char('_'))) {
                    QCoreApplication::installTranslator(translator);
                    qCDebug(lcWindow) << "speaking" << translator->language() << "from" << folder;
                    return;
                }
            }
        }
        delete translator;
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
