// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The die timers tick exactly while their interval is non-zero and they are enabled.

#include "widgets/intervaltimer.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimerEvent>

namespace {

// Property changes applied in order: ("interval", milliseconds) or ("enabled", 0 or 1).
using Steps = QList<QPair<QString, int>>;

} // namespace

class IntervalTimerTest : public QObject {
    Q_OBJECT

private slots:
    void ticksOnlyWithIntervalAndEnabled_data();
    void ticksOnlyWithIntervalAndEnabled();
    void realTicksArriveOnlyWhileRunning();
    void staleTickAfterStopIsIgnored();
    void negativeIntervalStops();
};

void IntervalTimerTest::ticksOnlyWithIntervalAndEnabled_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<bool>("ticking");
    QTest::newRow("fresh") << Steps{} << false;
    QTest::newRow("interval only") << Steps{{"interval", 25}} << true;
    QTest::newRow("interval then disabled") << Steps{{"interval", 25}, {"enabled", 0}} << false;
    QTest::newRow("disabled then interval") << Steps{{"enabled", 0}, {"interval", 25}} << false;
    QTest::newRow("disabled, interval, enabled")
        << Steps{{"enabled", 0}, {"interval", 25}, {"enabled", 1}} << true;
    QTest::newRow("interval back to 0") << Steps{{"interval", 25}, {"interval", 0}} << false;
    QTest::newRow("enabled with interval 0") << Steps{{"enabled", 0}, {"enabled", 1}} << false;
    QTest::newRow("interval changed while running")
        << Steps{{"interval", 25}, {"interval", 40}} << true;
}

void IntervalTimerTest::ticksOnlyWithIntervalAndEnabled() {
    QFETCH(Steps, steps);
    QFETCH(bool, ticking);
    IntervalTimer timer;
    for (const auto& [property, value] : steps) {
        if (property == QLatin1String("interval"))
            timer.setProperty("Interval", value);
        else
            timer.setProperty("Enabled", value != 0);
    }
    QCOMPARE(timer.isTicking(), ticking);
}

void IntervalTimerTest::realTicksArriveOnlyWhileRunning() {
    IntervalTimer timer;
    QSignalSpy ticks(&timer, &IntervalTimer::tick);

    // Interval 0 never ticks, however long the event loop runs.
    QTest::qWait(60);
    QCOMPARE(ticks.count(), 0);

    timer.setInterval(5);
    QVERIFY(ticks.wait(1000));

    timer.setEnabled(false);
    ticks.clear();
    QTest::qWait(60);
    QCOMPARE(ticks.count(), 0);
}

void IntervalTimerTest::staleTickAfterStopIsIgnored() {
    IntervalTimer timer;
    QSignalSpy ticks(&timer, &IntervalTimer::tick);
    timer.setInterval(25);
    const int id = timer.tickId();
    timer.setInterval(0);
    QTimerEvent queued(id);
    QCoreApplication::sendEvent(&timer, &queued);
    QCOMPARE(ticks.count(), 0);
}

void IntervalTimerTest::negativeIntervalStops() {
    IntervalTimer timer;
    timer.setInterval(25);
    timer.setInterval(-5);
    QCOMPARE(timer.interval(), 0);
    QVERIFY(!timer.isTicking());
}

QTEST_MAIN(IntervalTimerTest)
#include "test_intervaltimer.moc"
