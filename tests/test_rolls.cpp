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

// What the player sees of the roll state, in one line: the caption and whether the roll button is
// usable, whether all five dice spin, whether all holds and the sheet are usable, and the rolls
// made: "stop on | spin on | holds off | sheet off | rolls 0".
QString stateOf(const BoardDriver& board) {
    bool spinning = true;
    bool holdsEnabled = true;
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        spinning = spinning && board.timer(i)->interval() == gamenumbers::spinInterval;
        holdsEnabled = holdsEnabled && board.hold(i)->isEnabled();
    }
    auto onOff = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
    return QStringLiteral("%1 %2 | spin %3 | holds %4 | sheet %5 | rolls %6")
        .arg(board.rollButton()->text(), onOff(board.rollButton()->isEnabled()), onOff(spinning),
             onOff(holdsEnabled), onOff(board.sheet()->isEnabled()))
        .arg(board.rolls());
}

const QString afterThird = QStringLiteral("go! off | spin off | holds on | sheet on | rolls 3");

} // namespace

class RollsTest : public QObject {
    Q_OBJECT

private slots:
    void turnPassesThroughItsStates();
    void clicksAfterThirdRollChangeNothing();
    void tickThrowsTheScriptedFace();
    void pictureAndTagAlwaysAgree();
    void stopBeforeFirstTickThrowsEveryDie();
    void stopThrowsOnlyDiceNeverThrown();
    void diceFlickerIndependently();
    void faceIndexStaysOnTheDie();
    void systemSourceStaysInRange();
};

// The board's states through a turn, one click of the roll button apart.
void RollsTest::turnPassesThroughItsStates() {
    BoardDriver board;
    QStringList states{stateOf(board)};
    for (int click = 0; click < 6; ++click) {
        board.clickRoll();
        states << stateOf(board);
    }
    QCOMPARE(states,
             QStringList({"go! on | spin off | holds off | sheet off | rolls 0",
                          "stop on | spin on | holds off | sheet off | rolls 0",
                          "go! on | spin off | holds on | sheet on | rolls 1",
                          "stop on | spin on | holds off | sheet on | rolls 1",
                          "go! on | spin off | holds on | sheet on | rolls 2",
                          "stop on | spin on | holds off | sheet on | rolls 2", afterThird}));
}

void RollsTest::clicksAfterThirdRollChangeNothing() {
    BoardDriver board;
    for (int click = 0; click < 6; ++click)
        board.clickRoll();
    const int drawn = board.script().drawn;
    board.clickRoll();
    board.clickRoll();
    QCOMPARE(stateOf(board), afterThird);
    QCOMPARE(board.script().drawn, drawn);
}

// Each value lands on its face, in picture and Tag. Every face differs from the one before, so a
// tick that changed nothing would show.
void RollsTest::tickThrowsTheScriptedFace() {
    const struct {
        float value;
        int face;
    } throws[] = {{0.0f, 1},        {1.0f / 6.0f, 2}, {std::nextafter(1.0f / 6.0f, 0.0f), 1},
                  {5.0f / 6.0f, 6}, {0.5f, 4},        {std::nextafter(1.0f, 0.0f), 6}};
    BoardDriver board;
    board.clickRoll();
    QStringList shown, expected;
    for (const auto& [value, face] : throws) {
        board.script().pushValue(value);
        QVERIFY(board.tick(2));
        const bool picture = board.die(2)->picture() == board.face(face - 1)->picture();
        shown << QStringLiteral("%1: face %2, Tag %3, picture %4")
                     .arg(value, 0, 'g', 9)
                     .arg(board.faceOf(2))
                     .arg(board.tagOf(2), picture ? "right" : "wrong");
        expected
            << QStringLiteral("%1: face %2, Tag %2, picture right").arg(value, 0, 'g', 9).arg(face);
    }
    QCOMPARE(shown, expected);
}

void RollsTest::pictureAndTagAlwaysAgree() {
    BoardDriver board;
    board.clickRoll();
    for (int round = 0; round < 60; ++round) {
        board.script().pushFace(1 + (round * 7) % gamenumbers::faceCount);
        QVERIFY(board.tick(round % gamenumbers::diceCount));
        for (int i = 0; i < gamenumbers::diceCount; ++i) {
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
    QCOMPARE(board.faces(), QList<int>({6, 2, 4, 1, 3}));
    for (int i = 0; i < gamenumbers::diceCount; ++i)
        QCOMPARE(board.tagOf(i), QString::number(board.faceOf(i)));
    QCOMPARE(board.script().drawn, gamenumbers::diceCount);
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
    QCOMPARE(board.script().drawn, gamenumbers::diceCount);
    QCOMPARE(board.faces(), QList<int>({1, 5, 3, 2, 6}));

    // On later rolls every die has been thrown, so "stop" draws nothing.
    board.clickRoll();
    board.clickRoll();
    QCOMPARE(board.script().drawn, gamenumbers::diceCount);
}

void RollsTest::diceFlickerIndependently() {
    BoardDriver board;
    board.roll({1, 1, 1, 1, 1});
    board.clickRoll();
    board.script().pushFace(6);
    QVERIFY(board.tick(3));
    QCOMPARE(board.faces(), QList<int>({1, 1, 1, 6, 1}));
}

// A faulty value still gives a face, and through the board still shows a real one. The index goes
// from one end to the other each time, so a tick that changed nothing would show.
void RollsTest::faceIndexStaysOnTheDie() {
    const struct {
        const char* name;
        float value;
        int index;
    } values[] = {
        {"negative", -0.25f, 0},
        {"one", 1.0f, 5},
        {"negative zero", -0.0f, 0},
        {"above one", 7.5f, 5},
        {"NaN", std::numeric_limits<float>::quiet_NaN(), 0},
        {"infinity", std::numeric_limits<float>::infinity(), 5},
        {"minus infinity", -std::numeric_limits<float>::infinity(), 0},
        {"largest below 1", std::nextafter(1.0f, 0.0f), 5},
        {"smallest positive", std::numeric_limits<float>::denorm_min(), 0},
    };
    QStringList indices, expected;
    for (const auto& [name, value, index] : values) {
        indices << QStringLiteral("%1: index %2").arg(name).arg(faceIndex(value));
        expected << QStringLiteral("%1: index %2").arg(name).arg(index);
    }
    QCOMPARE(indices, expected);

    BoardDriver board;
    board.clickRoll();
    QStringList faces, expectedFaces;
    for (const auto& [name, value, index] : values) {
        board.script().pushValue(value);
        QVERIFY2(board.tick(0), name);
        faces << QStringLiteral("%1: face %2").arg(name).arg(board.faceOf(0));
        expectedFaces << QStringLiteral("%1: face %2").arg(name).arg(index + 1);
    }
    QCOMPARE(faces, expectedFaces);
}

void RollsTest::systemSourceStaysInRange() {
    auto source = makeSystemRandomSource();
    int counts[gamenumbers::faceCount] = {};
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
