// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Scoring a box through the real board: the score goes into the box's own label and into the
// totals, the box is used up, and the board returns to the start of a turn, leaving dice that
// still spin spinning.

#include "rules/gamenumbers.h"
#include "support/boarddriver.h"

#include <QTest>

Q_DECLARE_METATYPE(Dice)

namespace {

using Box = BoardDriver::SheetBox;

} // namespace

class CommitTest : public QObject {
    Q_OBJECT

private slots:
    void eachBoxScoresTheDiceShown_data();
    void eachBoxScoresTheDiceShown();
    void commitEndsTheTurn_data();
    void commitEndsTheTurn();
    void totalsAfterEachCommit();
    void commitWhileTheDiceSpin_data();
    void commitWhileTheDiceSpin();
};

void CommitTest::eachBoxScoresTheDiceShown_data() {
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<Dice>("dice");
    QTest::addColumn<int>("score");
    auto add = [](const char* box, const Dice& dice, int score) {
        QTest::addRow("%s %d,%d,%d,%d,%d", box, dice[0], dice[1], dice[2], dice[3], dice[4])
            << QByteArray(box) << QByteArray(BoardDriver::sheetBox(box).label) << dice << score;
    };
    add("un", {3, 3, 5, 3, 1}, 1);
    add("un", {6, 6, 6, 6, 6}, 0);
    add("deux", {2, 4, 4, 2, 4}, 4);
    add("trois", {3, 3, 5, 3, 1}, 9);
    add("quatre", {4, 4, 4, 4, 1}, 16);
    add("cinq", {3, 3, 5, 3, 1}, 5);
    add("six", {6, 6, 6, 6, 6}, 30);
    add("par3", {3, 5, 3, 2, 3}, 16);
    add("par3", {1, 1, 2, 2, 3}, 0);
    add("par4", {4, 4, 4, 4, 1}, 17);
    add("par4", {2, 3, 3, 3, 5}, 0);
    add("full", {3, 2, 3, 2, 3}, gamenumbers::fullHouseScore);
    add("full", {5, 5, 5, 5, 5}, 0);
    add("suit4", {1, 2, 2, 3, 4}, gamenumbers::smallStraightScore);
    add("suit4", {2, 3, 4, 6, 6}, 0);
    add("suit5", {5, 4, 1, 3, 2}, gamenumbers::largeStraightScore);
    add("suit5", {1, 2, 3, 4, 6}, 0);
    add("kazoumi", {1, 1, 1, 1, 1}, gamenumbers::fiveOfAKindScore);
    add("kazoumi", {2, 2, 2, 2, 3}, 0);
    add("chance", {6, 6, 6, 6, 6}, 30);
    add("chance", {1, 2, 3, 4, 5}, 15);
}

// The first commit of the program: its score is also the total (and the sub-total for an upper
// box), and no other box or label is touched.
void CommitTest::eachBoxScoresTheDiceShown() {
    QFETCH(QByteArray, box);
    QFETCH(QByteArray, label);
    QFETCH(Dice, dice);
    QFETCH(int, score);
    BoardDriver board;
    board.rollTo(dice);
    board.clickBox(box);

    const QString shown = QString::number(score);
    QCOMPARE(board.label(label)->text(), shown);
    QVERIFY(!board.isFree(box));
    QCOMPARE(board.label("Label11")->text(), shown);
    QCOMPARE(board.label("Label9")->text(), BoardDriver::sheetBox(box).upper() ? shown : QString());
    QCOMPARE(board.turnState(), startOfTurn);
    for (const Box& other : BoardDriver::sheetBoxes()) {
        if (box == other.button)
            continue;
        QVERIFY2(board.isFree(other.button), other.button);
        QVERIFY2(board.label(other.label)->text().isEmpty(), other.label);
    }
}

void CommitTest::commitEndsTheTurn_data() {
    QTest::addColumn<int>("rollsMade");
    QTest::addColumn<QList<int>>("held");
    QTest::newRow("after roll 1, nothing held") << 1 << QList<int>{};
    QTest::newRow("after roll 2, dice 0 and 3 held") << 2 << QList<int>{0, 3};
    QTest::newRow("after roll 3, all held") << 3 << QList<int>{0, 1, 2, 3, 4};
}

// Holds are released and closed, and a die that was held spins again on the next "go!".
void CommitTest::commitEndsTheTurn() {
    QFETCH(int, rollsMade);
    QFETCH(QList<int>, held);
    BoardDriver board;
    for (int roll = 0; roll < rollsMade; ++roll)
        board.roll({1, 2, 3, 4, 5});
    for (int die : held)
        board.clickHold(die);
    QCOMPARE(board.rollButton()->isEnabled(), rollsMade < 3);

    board.clickBox("chance");
    QCOMPARE(board.label("Labelchance")->text(), QStringLiteral("15"));
    QCOMPARE(board.turnState(), startOfTurn);

    board.clickRoll();
    QCOMPARE(board.turnState(),
             QStringLiteral("stop on | sheet off | holds 00000 off | spin 11111 | rolls 0"));
}

void CommitTest::totalsAfterEachCommit() {
    struct Step {
        const char* box;
        Dice dice;
        const char* score;
        const char* subtotal;
        const char* total;
    };
    const Step steps[] = {
        {"chance", {1, 2, 3, 4, 5}, "15", "", "15"},  {"un", {1, 1, 2, 2, 3}, "2", "2", "17"},
        {"kazoumi", {2, 2, 2, 2, 3}, "0", "2", "17"}, {"six", {6, 6, 6, 6, 6}, "30", "32", "47"},
        {"par3", {2, 3, 3, 3, 5}, "16", "32", "63"},  {"full", {1, 1, 2, 2, 3}, "0", "32", "63"},
        {"cinq", {5, 5, 5, 5, 1}, "20", "52", "83"},  {"suit5", {2, 3, 4, 5, 6}, "40", "52", "123"},
    };
    BoardDriver board;
    for (const Step& step : steps) {
        board.rollTo(step.dice);
        board.clickBox(step.box);
        QCOMPARE(board.label(BoardDriver::sheetBox(step.box).label)->text(),
                 QLatin1String(step.score));
        QCOMPARE(board.label("Label9")->text(), QLatin1String(step.subtotal));
        QCOMPARE(board.label("Label11")->text(), QLatin1String(step.total));
    }
    QVERIFY(board.label("lblbonus")->isHidden());
}

void CommitTest::commitWhileTheDiceSpin_data() {
    QTest::addColumn<int>("rollsMade");
    QTest::newRow("during roll 2") << 1;
    QTest::newRow("during roll 3") << 2;
}

// The box scores the faces shown at that instant; the dice go on spinning (the ones that were held
// too), and the next "stop" is the first roll of the next turn.
void CommitTest::commitWhileTheDiceSpin() {
    QFETCH(int, rollsMade);
    BoardDriver board;
    board.rollTo({6, 6, 1, 2, 3});
    if (rollsMade == 2)
        board.rollTo({6, 6, 4, 4, 4});
    for (int die : {0, 1}) {
        if (!board.hold(die)->isChecked())
            board.clickHold(die);
    }
    board.clickRoll();
    QCOMPARE(board.turnState(),
             QStringLiteral("stop on | sheet on | holds 11000 off | spin 00111 | rolls %1")
                 .arg(rollsMade));
    for (int face : {2, 3, 4, 5, 5, 5})
        board.script().pushFace(face);
    board.tickAll();
    board.tickAll();

    board.clickBox("full");
    const QString full = QString::number(gamenumbers::fullHouseScore);
    QCOMPARE(board.label("Labelfull")->text(), full);
    QCOMPARE(board.label("Label11")->text(), full);
    QCOMPARE(board.turnState(),
             QStringLiteral("stop on | sheet off | holds 00000 off | spin 11111 | rolls 0"));

    board.tickAll();
    board.clickRoll();
    QCOMPARE(board.turnState(),
             QStringLiteral("go! on | sheet on | holds 00000 on | spin 00000 | rolls 1"));
    QCOMPARE(board.label("Labelfull")->text(), full);
}

QTEST_MAIN(CommitTest)
#include "test_commit.moc"
