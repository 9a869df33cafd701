#include "announcer.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

// Qt 6.8 brought an announcement event, which screen readers speak whatever has the focus, as it
// is: Orca 48 reads it with no word of its own before it. Before it, the announcer plays a
// notification that shows up with the message as its name: a notification showing is spoken the
// same way, but Orca 43 says "notification" first, unless the notification lies in a status bar,
// as the messages of a window's status line do. So the notification lies in a status bar of its
// own, which nothing shows and the window does not count among its children. And before Qt 6.8,
// the event that tells a new name reaches AT-SPI without the name, which a screen reader then
// does not speak: a focused button's new caption is said through the announcer too.
namespace {

#if !KAZOUMI_ANNOUNCEMENT_EVENT
class NotificationInterface : public QAccessibleObject {
public:
    explicit NotificationInterface(Announcer* announcer) : QAccessibleObject(announcer) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(announcer()->statusLine());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? announcer()->message() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    Announcer* announcer() const { return static_cast<Announcer*>(object()); }
};

// The status bar that holds the notification, in the window.
class StatusLineInterface : public QAccessibleObject {
public:
    explicit StatusLineInterface(QObject* line) : QAccessibleObject(line) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent()->parent());
    }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(object()->parent()) : nullptr;
    }
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == object()->parent() ? 0 : -1;
    }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override { return {}; }
};

QAccessibleInterface* makeInterface(const QString&, QObject* object) {
    if (auto* announcer = qobject_cast<Announcer*>(object))
        return new NotificationInterface(announcer);
    if (auto* announcer = qobject_cast<Announcer*>(object->parent());
        announcer && announcer->statusLine() == object)
        return new StatusLineInterface(object);
    return nullptr;
}
#endif

} // namespace

Announcer::Announcer(QWidget* window) : QObject(window) {
    setObjectName(QStringLiteral("announcer"));
#if !KAZOUMI_ANNOUNCEMENT_EVENT
    m_statusLine = new QObject(this);
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
#endif
}

void Announcer::say(const QString& text) {
    if (!QAccessible::isActive())
        return;
    if (m_pending.isEmpty())
        QMetaObject::invokeMethod(this, &Announcer::flush, Qt::QueuedConnection);
    m_pending << text;
}

void Announcer::sayCaption(QAbstractButton* button) {
#if KAZOUMI_ANNOUNCEMENT_EVENT
    Q_UNUSED(button); // the name-change event Qt raises carries the caption
#else
    if (button->hasFocus())
        say(button->text());
#endif
}

void Announcer::flush() {
    m_message = m_pending.join(u' ');
    m_pending.clear();
#if KAZOUMI_ANNOUNCEMENT_EVENT
    QAccessibleAnnouncementEvent event(parent(), m_message);
    QAccessible::updateAccessibility(&event);
#else
    // The name first, so that no copy of the last message kept by the screen reader is read.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}
