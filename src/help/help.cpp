#include "help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QUrl>

namespace pipwell::help {

// Why Help > Instructions showed nothing: QT_LOGGING_RULES="pipwell.help.debug=true".
Q_LOGGING_CATEGORY(lcHelp, "pipwell.help", QtWarningMsg)

namespace {

// The About box's words, for the translators: one context for all of them.
constexpr char kAbout[] = "pipwell::help::About";

QString translated(const char *text) {
    return QCoreApplication::translate(kAbout, text);
}

//: The author's own slangy voice: "didnt" and "kewl" are misspelt on purpose; mirror them.
const char kStory[] = QT_TRANSLATE_NOOP(
    "pipwell::help::About",
    "I saw this game in a bar being played with dice.  It cost a quarter to play, and for every "
    "quarter they put in, the bar would match it.  The person who successfully cleared all of "
    "the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game "
    "(after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game "
    "can be addictive.  Also, I didnt know the name of the game (the bar didn't even know), so I "
    "gave it the name of a kewl Gravelhoof song.");

//: %1 is the contact address. "Id" (for "I'd") is misspelt on purpose, as in the story.
const char kSupport[] = QT_TRANSLATE_NOOP(
    "pipwell::help::About",
    " Finally, this program is freeware.  Although if you feel the urge to help support a semi "
    "starving college student (actually, Id prefer to be paid in beer from everywhere in the "
    "world), email me %1 for my home address");

const char kTitle[] = QT_TRANSLATE_NOOP("pipwell::help::About", "Quorble For President!!");

const char kContactAddress[] = "pipwell@example.org";

} // namespace

QString aboutMessage() {
    const QString lineBreak = QString(QChar(13)) + QChar(10);
    return translated(kStory) + lineBreak +
           translated(kSupport).arg(QString::fromLatin1(kContactAddress));
}

QString aboutTitle() {
    return translated(kTitle);
}

void showAbout(QWidget *parent) {
    QMessageBox box(QMessageBox::Information, aboutTitle(), aboutMessage(), QMessageBox::Ok,
                    parent);
    execReadably(box);
}

void execReadably(QMessageBox &box) {
    // Qt's box lets its text be selected, which lets the label take the focus; Orca 51 reads an
    // alert's labels out only where they cannot, so it read nothing but the title.
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        label->setFocusPolicy(Qt::NoFocus);
    box.exec();
}

qint32 hyperJump(const QString &path) {
    // Only a document the viewer can read is handed over: a folder would open a file manager,
    // a pipe would hang the viewer.
    const QFileInfo document(path);
    if (!document.exists() || !document.isFile()) {
        qCDebug(lcHelp) << path << "not handed to the desktop: no such file";
        return kFileNotFound;
    }
    if (!document.isReadable()) {
        qCDebug(lcHelp) << path << "not handed to the desktop: it cannot be read";
        return kAccessDenied;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        qCWarning(lcHelp) << path << "could not be opened: the desktop has no program for it";
        return kNoAssociation;
    }
    qCDebug(lcHelp) << path << "handed to the desktop";
    return kOpenedOk;
}

QString readmePath(const QString &programDir, const QLocale &locale) {
    const QDir folder(programDir);
    // "pt-BR" looks for readme.pt_BR.txt, then readme.pt.txt; the first that is a file wins.
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (;;) {
            QString translated = folder.filePath(QStringLiteral("readme.%1.txt").arg(language));
            if (QFileInfo(translated).isFile())
                return translated;
            const qsizetype cut = language.lastIndexOf(QLatin1Char('_'));
            if (cut < 0)
                break;
            language.truncate(cut);
        }
    }
    return folder.filePath(QStringLiteral("readme.txt"));
}

} // namespace pipwell::help
