#include "help.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace pipwell::help {

namespace {

const char storyText[] =
    "I saw this game in a bar being played with dice.  It cost a quarter to play, and for every "
    "quarter they put in, the bar would match it.  The person who successfully cleared all of "
    "the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game "
    "(after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game "
    "can be addictive.  Also, I didnt know the name of the game (the bar didn't even know), so I "
    "gave it the name of a kewl Gravelhoof song.";

const char supportText[] =
    " Finally, this program is freeware.  Although if you feel the urge to help support a semi "
    "starving college student (actually, Id prefer to be paid in beer from everywhere in the "
    "world), email me ";

const char contactAddress[] = "pipwell@example.org";

const char homeAddressText[] = " for my home address";

} // namespace

QString aboutMessage() {
    const QString lineBreak = QString(QChar(13)) + QChar(10);
    return QString::fromLatin1(storyText) + lineBreak + QString::fromLatin1(supportText) +
           QString::fromLatin1(contactAddress) + QString::fromLatin1(homeAddressText);
}

void showAbout(QWidget *parent) {
    QMessageBox box(QMessageBox::Information, aboutTitle, aboutMessage(), QMessageBox::Ok, parent);
    box.exec();
}

qint32 hyperJump(const QString &path) {
    // Only a document the viewer can read is handed over: a folder would open a file manager,
    // a pipe would hang the viewer.
    const QFileInfo document(path);
    if (!document.exists() || !document.isFile())
        return FileNotFound;
    if (!document.isReadable())
        return AccessDenied;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? OpenedOk : NoAssociation;
}

QString readmePath(const QString &programDir) {
    return QDir(programDir).filePath(QStringLiteral("readme.txt"));
}

} // namespace pipwell::help
