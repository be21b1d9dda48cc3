#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

class QMessageBox;
class QWidget;

namespace pipwell::help {

/* The About message: the story, one CR LF line break, then the support note. */
QString aboutMessage();
QString aboutTitle();

/* The modal About box: information icon, one OK button. */
void showAbout(QWidget *parent);

/* Runs a modal message box whose text a screen reader reads out as the box appears. */
void execReadably(QMessageBox &box);

// Results of hyperJump, in the Windows shell's convention: above 32 is success.
constexpr qint32 kOpenedOk = 42;
constexpr qint32 kFileNotFound = 2;
constexpr qint32 kAccessDenied = 5;
constexpr qint32 kNoAssociation = 31;

/* Asks the desktop to open the file with its associated program; never through a shell.
   2: no such document (or not a regular file); 5: unreadable; 31: nothing could open it. */
qint32 hyperJump(const QString &path);

/* The players' instructions beside the program, in the first of the locale's languages
   that has a readme.<language>.txt; readme.txt, the English one, otherwise. */
QString readmePath(const QString &programDir, const QLocale &locale = QLocale());

} // namespace pipwell::help
