#pragma once

#include <QObject>
#include <QStringList>
#include <QtGlobal>

class QLabel;
class QLineEdit;
class QWidget;

namespace pipwell {

// Speaks to a screen reader without moving the focus. From Qt 6.8 as a polite announcement
// from the window. Qt 6.4 has no announcement event, but a notification that appears is read
// wherever the focus is; so there a label that nobody sees is given the words and shown again.
class Announcer : public QObject {
    Q_OBJECT
public:
    /* Speaks from `parent`. Before Qt 6.8 the label is made inside it, outside its form, with
       no size: it takes no pixel and no focus. */
    explicit Announcer(QWidget *parent);

    /* Held until the next flush, so that what one handler says is read as one. */
    void say(const QString &text);
    /* Speaks what was said since the last flush, if anything. */
    void flush();
    /* Forgets what was said since the last flush, for words the focus already reads out. */
    void discard();

private:
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QLabel *notice_ = nullptr;
#endif
    QStringList pending_;
};

/* The line edit is read by a screen reader as "<its accessible name>: <its text>", like a
   label, instead of through Qt's line-edit text interface, which loses a last character. */
void readAsLabel(QLineEdit *box);

} // namespace pipwell
