// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rolling: the board's states through a turn, the dice's faces, and the random source's guard.

#include "rules/gamenumbers.h"
#include "support/boarddriver.h"
#include "widgets/imagebox.h"
#include "widgets/intervaltimer.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

// What the player sees of the roll state: caption, roll button usable, dice spinning, holds
// usable, sheet usable, rolls made.
struct RollState {
    QString caption;
    bool rollEnabled;
    bool spinning;
    bool holdsEnabled;
    bool sheetEnabled;
    int rolls;
};

RollState stateOf(const BoardDriver& board) {
    bool spinning = true;
    bool holdsEnabled = true;
    for (int i = 0; i < 5; ++i) {
        spinning = spinning && board.timer(i)->interval() == gamenumbers::spinInterval;
        holdsEnabled = holdsEnabled && board.hold(i)->isEnabled();
    }
    return {board.rollButton()->text(),
            board.rollButton()->isEnabled(),
            spinning,
            holdsEnabled,
            board.sheet()->isEnabled(),
            board.rolls()};
}

void verifyState(const BoardDriver& board, const RollState& expected) {
    const RollState actual = stateOf(board);
    QCOMPARE(actual.caption, expected.caption);
    QCOMPARE(actual.rollEnabled, expected.rollEnabled);
    QCOMPARE(actual.spinning, expected.spinning);
    QCOMPARE(actual.holdsEnabled, expected.holdsEnabled);
    QCOMPARE(actual.sheetEnabled, expected.sheetEnabled);
    QCOMPARE(actual.rolls, expected.rolls);
}

// The five board states of a turn.
const RollState turnStart{"go!", true, false, false, false, 0};
const RollState firstSpin{"stop", true, true, false, false, 0};
const RollState betweenRolls1{"go!", true, false, true, true, 1};
const RollState laterSpin1{"stop", true, true, false, true, 1};
const RollState betweenRolls2{"go!", true, false, true, true, 2};
const RollState laterSpin2{"stop", true, true, false, true, 2};
const RollState afterThird{"go!", false, false, true, true, 3};

} // namespace

class RollsTest : public QObject {
    Q_OBJECT

private slots:
    void turnPassesThroughItsStates();
    void clicksAfterThirdRollChangeNothing();
    void tickThrowsTheScriptedFace_data();
    void tickThrowsTheScriptedFace();
    void pictureAndTagAlwaysAgree();
    void stopBeforeFirstTickThrowsEveryDie();
    void stopThrowsOnlyDiceNeverThrown();
    void diceFlickerIndependently();
    void faceIndexStaysOnTheDie_data();
    void faceIndexStaysOnTheDie();
    void systemSourceStaysInRange();
};

void RollsTest::turnPassesThroughItsStates() {
    BoardDriver board;
    verifyState(board, turnStart);
    board.clickRoll();
    verifyState(board, firstSpin);
    board.clickRoll();
    verifyState(board, betweenRolls1);
    board.clickRoll();
    verifyState(board, laterSpin1);
    board.clickRoll();
    verifyState(board, betweenRolls2);
    board.clickRoll();
    verifyState(board, laterSpin2);
    board.clickRoll();
    verifyState(board, afterThird);
}

void RollsTest::clicksAfterThirdRollChangeNothing() {
    BoardDriver board;
    for (int click = 0; click < 6; ++click)
        board.clickRoll();
    const int drawn = board.script().drawn;
    board.clickRoll();
    board.clickRoll();
    verifyState(board, afterThird);
    QCOMPARE(board.script().drawn, drawn);
}

void RollsTest::tickThrowsTheScriptedFace_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("face");
    QTest::newRow("0") << 0.0f << 1;
    QTest::newRow("just below 1/6") << std::nextafter(1.0f / 6.0f, 0.0f) << 1;
    QTest::newRow("1/6") << 1.0f / 6.0f << 2;
    QTest::newRow("0.5") << 0.5f << 4;
    QTest::newRow("5/6") << 5.0f / 6.0f << 6;
    QTest::newRow("largest below 1") << std::nextafter(1.0f, 0.0f) << 6;
}

void RollsTest::tickThrowsTheScriptedFace() {
    QFETCH(float, value);
    QFETCH(int, face);
    BoardDriver board;
    board.clickRoll();
    board.script().pushValue(value);
    QVERIFY(board.tick(2));
    QCOMPARE(board.faceOf(2), face);
    QCOMPARE(board.tagOf(2), QString::number(face));
    QVERIFY(board.die(2)->picture() == board.face(face - 1)->picture());
}

void RollsTest::pictureAndTagAlwaysAgree() {
    BoardDriver board;
    board.clickRoll();
    for (int round = 0; round < 60; ++round) {
        board.script().pushFace(1 + (round * 7) % 6);
        QVERIFY(board.tick(round % 5));
        for (int i = 0; i < 5; ++i) {
            if (board.faceOf(i) != 0)
                QCOMPARE(board.tagOf(i), QString::number(board.faceOf(i)));
        }
    }
}

void RollsTest::stopBeforeFirstTickThrowsEveryDie() {
    BoardDriver board;
    for (int face : {6, 2, 4, 1, 3})
        board.script().pushFace(face);
    board.clickRoll();
    board.clickRoll();
    const int expected[5] = {6, 2, 4, 1, 3};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(board.faceOf(i), expected[i]);
        QCOMPARE(board.tagOf(i), QString::number(expected[i]));
    }
    QCOMPARE(board.script().drawn, 5);
    QCOMPARE(board.rolls(), 1);
}

void RollsTest::stopThrowsOnlyDiceNeverThrown() {
    BoardDriver board;
    board.clickRoll();
    board.script().pushFace(5);
    board.script().pushFace(2);
    QVERIFY(board.tick(1));
    QVERIFY(board.tick(3));
    for (int face : {1, 3, 6})
        board.script().pushFace(face);
    board.clickRoll();
    QCOMPARE(board.script().drawn, 5);
    const int expected[5] = {1, 5, 3, 2, 6};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(board.faceOf(i), expected[i]);

    // On later rolls every die has been thrown, so "stop" draws nothing.
    board.clickRoll();
    board.clickRoll();
    QCOMPARE(board.script().drawn, 5);
}

void RollsTest::diceFlickerIndependently() {
    BoardDriver board;
    board.roll({1, 1, 1, 1, 1});
    board.clickRoll();
    board.script().pushFace(6);
    QVERIFY(board.tick(3));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(board.faceOf(i), i == 3 ? 6 : 1);
}

void RollsTest::faceIndexStaysOnTheDie_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("index");
    QTest::newRow("negative") << -0.25f << 0;
    QTest::newRow("negative zero") << -0.0f << 0;
    QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 0;
    QTest::newRow("minus infinity") << -std::numeric_limits<float>::infinity() << 0;
    QTest::newRow("one") << 1.0f << 5;
    QTest::newRow("above one") << 7.5f << 5;
    QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << 5;
    QTest::newRow("smallest positive") << std::numeric_limits<float>::denorm_min() << 0;
    QTest::newRow("largest below 1") << std::nextafter(1.0f, 0.0f) << 5;
}

void RollsTest::faceIndexStaysOnTheDie() {
    QFETCH(float, value);
    QFETCH(int, index);
    QCOMPARE(faceIndex(value), index);

    // And through the board: a faulty value still shows a real face.
    BoardDriver board;
    board.clickRoll();
    board.script().pushValue(value);
    QVERIFY(board.tick(0));
    QCOMPARE(board.faceOf(0), index + 1);
}

void RollsTest::systemSourceStaysInRange() {
    auto source = makeSystemRandomSource();
    int counts[6] = {};
    for (int draw = 0; draw < 60000; ++draw) {
        const float r = source->next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        ++counts[faceIndex(r)];
    }
    // Every face turns up, none wildly more often than the others (10,000 expected each).
    for (int count : counts)
        QVERIFY2(count > 9000 && count < 11000, qPrintable(QString::number(count)));
}

QTEST_MAIN(RollsTest)
#include "test_rolls.moc"
