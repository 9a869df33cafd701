// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "intervaltimer.h"

#include <QTimerEvent>

IntervalTimer::IntervalTimer(QObject* parent) : QObject(parent) {}

void IntervalTimer::setInterval(int milliseconds) {
    milliseconds = qMax(0, milliseconds);
    if (milliseconds == m_interval)
        return;
    m_interval = milliseconds;
    apply();
}

void IntervalTimer::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    apply();
}

void IntervalTimer::apply() {
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval, this);
    else
        m_timer.stop();
}

void IntervalTimer::timerEvent(QTimerEvent* event) {
    // A tick already queued when the timer was stopped carries an id that is no longer ours.
    if (event->timerId() == m_timer.timerId() && m_timer.isActive())
        emit tick();
    else
        QObject::timerEvent(event);
}
