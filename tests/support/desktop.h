#pragma once

// Stand-ins for what the desktop shows and opens: modal message boxes answered at once, and a
// file opener that only records.

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include <functional>

namespace pipwell::testing {

// Answers every modal message box with OK while it lives, after noting what the box showed;
// onBox, when set, looks at the box first.
class BoxAnswerer {
public:
    struct Box {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        qsizetype buttons = 0;
    };
    explicit BoxAnswerer(int everyMs = 10) {
        timer_.setInterval(everyMs);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            boxes.append({box->windowTitle(), box->text(), box->icon(), box->buttons().size()});
            if (onBox)
                onBox(box);
            box->button(QMessageBox::Ok)->click();
        });
        timer_.start();
    }
    QList<Box> boxes;
    std::function<void(QMessageBox *)> onBox;

private:
    QTimer timer_;
};

// Takes the desktop's part for file URLs while it lives: records what it is asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace pipwell::testing
