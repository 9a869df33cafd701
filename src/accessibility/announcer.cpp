// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QWidget>

Announcer::Announcer(QWidget* window) : QObject(window) {
    setObjectName(QStringLiteral("announcer"));
#if !KAZOUMI_ANNOUNCEMENT_EVENT
    m_statusLine = new QObject(this);
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
#if KAZOUMI_CAPTION_SAID_BY_QT
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
