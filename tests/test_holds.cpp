// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Holding dice between rolls.

#include "support/boarddriver.h"
#include "widgets/intervaltimer.h"

#include <QTest>

class HoldsTest : public QObject {
    Q_OBJECT

private slots:
    void heldDieKeepsItsFace();
    void releasedDieSpinsAgain();
    void holdsCarryOverWithinTurn();
    void allHeldStillCountsTheRoll();
    void programChangeRunsTheHandler();
    void greyStateLeavesTimerAlone();
    void holdsCannotChangeWhileSpinning();
    void holdAfterThirdRollHasNoEffect();
};

void HoldsTest::heldDieKeepsItsFace() {
    BoardDriver board;
    board.roll({2, 3, 4, 5, 6});
    board.clickHold(1);
    board.clickHold(4);
    QVERIFY(board.hold(1)->isChecked());
    QVERIFY(!board.timer(1)->isEnabled());
    board.roll({1, 1, 1});
    QCOMPARE(board.faces(), QList<int>({1, 3, 1, 1, 6}));
    QCOMPARE(board.rolls(), 2);
}

void HoldsTest::releasedDieSpinsAgain() {
    BoardDriver board;
    board.roll({2, 3, 4, 5, 6});
    board.clickHold(2);
    board.clickHold(2);
    QVERIFY(!board.hold(2)->isChecked());
    board.clickRoll();
    QVERIFY(board.timer(2)->isTicking());
    board.script().pushFace(1);
    QVERIFY(board.tick(2));
    QCOMPARE(board.faceOf(2), 1);
}

void HoldsTest::holdsCarryOverWithinTurn() {
    BoardDriver board;
    board.roll({6, 5, 4, 3, 2});
    board.clickHold(0);
    board.roll({1, 1, 1, 1});
    QVERIFY(board.hold(0)->isChecked());
    board.roll({2, 2, 2, 2});
    QCOMPARE(board.faceOf(0), 6);
    QCOMPARE(board.rolls(), 3);
}

void HoldsTest::allHeldStillCountsTheRoll() {
    BoardDriver board;
    board.roll({1, 2, 3, 4, 5});
    for (int i = 0; i < gamenumbers::diceCount; ++i)
        board.clickHold(i);
    const int drawn = board.script().drawn;
    board.clickRoll();
    for (int i = 0; i < gamenumbers::diceCount; ++i)
        QVERIFY(!board.tick(i));
    board.clickRoll();
    QCOMPARE(board.rolls(), 2);
    QCOMPARE(board.script().drawn, drawn);
    QCOMPARE(board.faces(), QList<int>({1, 2, 3, 4, 5}));
}

// A hold box ticked or cleared by the program, not the player, still starts or stops its timer.
void HoldsTest::programChangeRunsTheHandler() {
    BoardDriver board;
    board.roll({1, 2, 3, 4, 5});
    board.hold(3)->setChecked(true);
    QVERIFY(!board.timer(3)->isEnabled());
    board.hold(3)->setChecked(false);
    QVERIFY(board.timer(3)->isEnabled());
}

void HoldsTest::greyStateLeavesTimerAlone() {
    BoardDriver board;
    board.roll({1, 2, 3, 4, 5});
    board.clickHold(0);
    board.hold(0)->setTristate(true);
    board.hold(0)->setCheckState(Qt::PartiallyChecked);
    QVERIFY(!board.timer(0)->isEnabled());
}

void HoldsTest::holdsCannotChangeWhileSpinning() {
    BoardDriver board;
    board.roll({1, 2, 3, 4, 5});
    board.clickRoll();
    board.clickHold(1);
    QVERIFY(!board.hold(1)->isChecked());
    QVERIFY(board.timer(1)->isTicking());
}

void HoldsTest::holdAfterThirdRollHasNoEffect() {
    BoardDriver board;
    board.roll({1, 2, 3, 4, 5});
    board.roll({1, 2, 3, 4, 5});
    board.roll({1, 2, 3, 4, 5});
    board.clickHold(2);
    QVERIFY(board.hold(2)->isChecked());
    board.clickRoll();
    QCOMPARE(board.rolls(), 3);
    QCOMPARE(board.rollButton()->text(), QStringLiteral("go!"));
    for (int i = 0; i < gamenumbers::diceCount; ++i)
        QVERIFY(!board.timer(i)->isTicking());
}

QTEST_MAIN(HoldsTest)
#include "test_holds.moc"
