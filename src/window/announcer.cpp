#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

namespace pipwell {

namespace {

// Qt asks the factories while a widget is still being built, before it can be told apart;
// so the widget is marked afterwards and its first interface thrown away.
constexpr const char *kSpokenAs = "pipwell-spoken-as";
enum class SpokenAs { Notification = 1, Label };

class NotificationInterface final : public QAccessibleWidget {
public:
    explicit NotificationInterface(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

class FieldAsLabelInterface final : public QAccessibleWidget {
public:
    explicit FieldAsLabelInterface(QLineEdit *box)
        : QAccessibleWidget(box, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        const auto *box = static_cast<QLineEdit *>(widget());
        if (t == QAccessible::Value)
            return box->text();
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (box->text().isEmpty())
            return box->accessibleName();
        //: A box's name and the number in it, as a screen reader reads it: "Die 1: 5".
        return Announcer::tr("%1: %2").arg(box->accessibleName(), box->text());
    }
};

QAccessibleInterface *spokenAsFactory(const QString & /*className*/, QObject *object) {
    switch (static_cast<SpokenAs>(object->property(kSpokenAs).toInt())) {
    case SpokenAs::Notification:
        return new NotificationInterface(static_cast<QLabel *>(object));
    case SpokenAs::Label:
        return new FieldAsLabelInterface(static_cast<QLineEdit *>(object));
    }
    return nullptr;
}

void speakAs(QWidget *widget, SpokenAs kind) {
    static const bool installed = [] {
        QAccessible::installFactory(spokenAsFactory);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(kSpokenAs, static_cast<int>(kind));
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget);
    if (made != nullptr && dynamic_cast<NotificationInterface *>(made) == nullptr &&
        dynamic_cast<FieldAsLabelInterface *>(made) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace

Announcer::Announcer(QWidget *parent)
    : QObject(parent) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    notice_ = new QLabel(parent);
    notice_->setObjectName(QStringLiteral("announcement"));
    notice_->setGeometry(0, 0, 0, 0);
    notice_->setFocusPolicy(Qt::NoFocus);
    notice_->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice_->hide();
    speakAs(notice_, SpokenAs::Notification);
#endif
}

void Announcer::say(const QString &text) {
    pending_ << text;
}

void Announcer::discard() {
    pending_.clear();
}

void Announcer::flush() {
    if (pending_.isEmpty())
        return;
    const QString text = pending_.join(QLatin1Char(' '));
    pending_.clear();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Polite: the screen reader finishes what it is saying (the focused tile) first.
    QAccessibleAnnouncementEvent announcement(parent(), text);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
#else
    // Appearing is what a screen reader reads; a text change alone would not be.
    notice_->hide();
    notice_->setText(text);
    notice_->show();
#endif
}

void readAsLabel(QLineEdit *box) {
    speakAs(box, SpokenAs::Label);
    // The name carries the number: a screen reader that keeps names must hear of the change.
    QObject::connect(box, &QLineEdit::textChanged, box, [box] {
        QAccessibleEvent changed(box, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    });
}

} // namespace pipwell
