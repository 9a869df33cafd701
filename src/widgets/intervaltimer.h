// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QBasicTimer>
#include <QObject>

// An interval timer that ticks only while its Interval is non-zero and it is Enabled. The two
// properties are independent: the roll button sets the interval of every die's timer, a hold box
// enables or disables one of them, and the timer runs exactly when both allow it. (A QTimer with
// interval 0 would fire on every pass of the event loop; that never happens here.)
class IntervalTimer : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Interval READ interval WRITE setInterval)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)

public:
    explicit IntervalTimer(QObject* parent = nullptr);

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // True while ticks are being delivered.
    bool isTicking() const { return m_timer.isActive(); }
    // The id that the timer events of this timer carry while it ticks.
    int tickId() const { return m_timer.timerId(); }

signals:
    void tick();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void apply();

    QBasicTimer m_timer;
    int m_interval = 0;
    bool m_enabled = true;
};
