#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

namespace pipwell::help {

/* The About message: the story, one CR LF line break, then the support note. */
QString aboutMessage();
inline const QString aboutTitle = QStringLiteral("Quorble For President!!");

/* The modal About box: information icon, one OK button. */
void showAbout(QWidget *parent);

// Results of hyperJump, in the Windows shell's convention: above 32 is success.
constexpr qint32 OpenedOk = 42;
constexpr qint32 FileNotFound = 2;
constexpr qint32 AccessDenied = 5;
constexpr qint32 NoAssociation = 31;

/* Asks the desktop to open the file with its associated program; never through a shell.
   2: no such document (or not a regular file); 5: unreadable; 31: nothing could open it. */
qint32 hyperJump(const QString &path);

/* The players' instructions, beside the program. */
QString readmePath(const QString &programDir);

} // namespace pipwell::help
