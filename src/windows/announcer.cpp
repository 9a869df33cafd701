// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

// Qt 6.8 brought an announcement event, which screen readers speak whatever has the focus. Before
// it, the announcer plays a notification that shows up with the message as its name: a
// notification showing is spoken the same way. And before it, the event that tells a new name
// reaches AT-SPI without the name, which a screen reader then does not speak: a focused button's
// new caption is said through the announcer too.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#define KAZOUMI_ANNOUNCEMENT_EVENT 1
#else
#define KAZOUMI_ANNOUNCEMENT_EVENT 0
#endif

namespace {

#if !KAZOUMI_ANNOUNCEMENT_EVENT
class NotificationInterface : public QAccessibleObject {
public:
    explicit NotificationInterface(Announcer* announcer) : QAccessibleObject(announcer) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Announcer*>(object())->message() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

QAccessibleInterface* makeInterface(const QString&, QObject* object) {
    if (auto* announcer = qobject_cast<Announcer*>(object))
        return new NotificationInterface(announcer);
    return nullptr;
}
#endif

} // namespace

Announcer::Announcer(QWidget* window) : QObject(window) {
    setObjectName(QStringLiteral("announcer"));
#if !KAZOUMI_ANNOUNCEMENT_EVENT
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
