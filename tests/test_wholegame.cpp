// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole games played through the board: thirteen turns with holds and rerolls, the upper bonus,
// what "Reset" leaves at any point of a turn, and the board once every box is used.

#include "support/boarddriver.h"

#include <QTest>

#include <numeric>

namespace {

// One turn: the dice after each roll (rerolling only the dice that change), then the box scored.
struct Turn {
    const char* box;
    QList<Dice> rolls;
};
using Game = QList<Turn>;

using Box = BoardDriver::SheetBox;

// Lower boxes worth 16 + 17 + 25 + 30 + 40 + 50 + 15 = 193.
const Game lowerBoxes193 = {
    {"par3", {{2, 3, 1, 6, 5}, {2, 3, 3, 3, 5}}},
    {"par4", {{4, 4, 4, 4, 1}}},
    {"full", {{2, 2, 3, 1, 6}, {2, 2, 3, 5, 3}, {2, 2, 3, 3, 3}}},
    {"suit4", {{1, 2, 3, 4, 6}}},
    {"suit5", {{6, 3, 4, 5, 6}, {2, 3, 4, 5, 6}}},
    {"kazoumi", {{6, 1, 6, 2, 3}, {6, 6, 6, 4, 6}, {6, 6, 6, 6, 6}}},
    {"chance", {{1, 2, 3, 4, 5}}},
};

// Three dice of each box's face: 3 + 6 + 9 + 12 + 15 + 18 = 63, just enough for the bonus.
const Game upperBoxes63 = {
    {"un", {{1, 1, 1, 2, 3}}},    {"deux", {{2, 2, 2, 1, 3}}},
    {"trois", {{3, 3, 3, 1, 2}}}, {"quatre", {{4, 4, 4, 1, 2}}},
    {"cinq", {{5, 5, 5, 1, 2}}},  {"six", {{6, 1, 2, 6, 3}, {6, 4, 6, 6, 5}, {6, 1, 6, 6, 2}}},
};

const Game bonusWithTheLastBox = lowerBoxes193 + upperBoxes63; // 193 + 63 + 35 = 291

// One point short: two ones instead of three.
Game upperBoxes62() {
    Game game = upperBoxes63;
    game[0].rolls = {{1, 1, 2, 3, 4}};
    return game;
}

// 30 + 20 + 8 + 6 = 64 with the fourth upper box (the sixth turn); then 4 + 5 more.
const Game bonusWithTheFourthUpperBox = {
    {"six", {{6, 6, 6, 6, 6}}},    {"chance", {{3, 3, 4, 4, 5}}},  {"cinq", {{5, 5, 5, 5, 1}}},
    {"quatre", {{4, 4, 1, 2, 3}}}, {"kazoumi", {{1, 2, 3, 4, 5}}}, {"trois", {{3, 3, 1, 2, 4}}},
    {"deux", {{2, 2, 1, 3, 4}}},   {"par3", {{1, 1, 2, 3, 4}}},    {"un", {{1, 1, 1, 1, 1}}},
    {"full", {{6, 6, 6, 1, 1}}},   {"par4", {{2, 2, 2, 2, 6}}},    {"suit4", {{3, 4, 5, 6, 6}}},
    {"suit5", {{1, 2, 3, 5, 6}}},
};

void playTurn(BoardDriver& board, const Turn& turn) {
    for (const Dice& dice : turn.rolls)
        board.rollTo(dice);
    board.clickBox(turn.box);
}

void playGame(BoardDriver& board, const Game& game) {
    for (const Turn& turn : game)
        playTurn(board, turn);
}

int labelValue(const BoardDriver& board, const char* label) {
    return board.label(label)->text().toInt();
}

// The whole sheet in one line: the thirteen score labels in sheet order, the sub-total, the total,
// which boxes are free, the bonus notice, and the form's values total, uppertotal, boxscore, rolls.
QString sheetState(BoardDriver& board) {
    QStringList scores;
    QString free;
    for (const Box& box : BoardDriver::sheetBoxes()) {
        scores << board.label(box.label)->text();
        free += board.isFree(box.button) ? u'1' : u'0';
    }
    const Form1& form = board.form();
    return QStringLiteral("scores %1 | sub %2 | total %3 | free %4 | bonus %5 | values %6 %7 %8 %9")
        .arg(scores.join(u','), board.label("Label9")->text(), board.label("Label11")->text(), free,
             board.label("lblbonus")->isVisible() ? QStringLiteral("shown")
                                                  : QStringLiteral("hidden"))
        .arg(form.property("total").toInt())
        .arg(form.property("uppertotal").toInt())
        .arg(form.property("boxscore").toInt())
        .arg(form.property("rolls").toInt());
}

const QString emptySheet = QStringLiteral(
    "scores ,,,,,,,,,,,, | sub  | total  | free 1111111111111 | bonus hidden | values 0 0 0 0");

} // namespace

Q_DECLARE_METATYPE(Game)

class WholeGameTest : public QObject {
    Q_OBJECT

private slots:
    void wholeGame_data();
    void wholeGame();
    void resetAfterAGameStartsAFreshOne();
    void resetDuringATurn_data();
    void resetDuringATurn();
    void afterTheLastBoxNothingMoreIsScored();
};

void WholeGameTest::wholeGame_data() {
    QTest::addColumn<Game>("game");
    QTest::addColumn<int>("bonusFromTurn"); // 0: never
    QTest::addColumn<int>("finalTotal");
    QTest::newRow("63 with the last box") << bonusWithTheLastBox << 13 << 291;
    QTest::newRow("62 earns nothing") << upperBoxes62() + lowerBoxes193 << 0 << 255;
    QTest::newRow("bonus once, with the fourth upper box")
        << bonusWithTheFourthUpperBox << 6 << 196;
}

// After every commit the sub-total is the sum of the upper labels, and the total the sum of all
// labels plus 35 exactly while the bonus notice shows.
void WholeGameTest::wholeGame() {
    QFETCH(Game, game);
    QFETCH(int, bonusFromTurn);
    QFETCH(int, finalTotal);
    BoardDriver board;
    for (int turn = 1; turn <= game.size(); ++turn) {
        playTurn(board, game[turn - 1]);
        QCOMPARE(board.turnState(), startOfTurn);
        int upper = 0, all = 0, upperUsed = 0;
        for (const Box& box : BoardDriver::sheetBoxes()) {
            const bool used = !board.isFree(box.button);
            QCOMPARE(board.label(box.label)->text().isEmpty(), !used);
            all += labelValue(board, box.label);
            upper += box.upper() ? labelValue(board, box.label) : 0;
            upperUsed += box.upper() && used;
        }
        const bool bonus = bonusFromTurn != 0 && turn >= bonusFromTurn;
        QCOMPARE(board.label("lblbonus")->isVisible(), bonus);
        QCOMPARE(board.label("Label9")->text(), upperUsed ? QString::number(upper) : QString());
        QCOMPARE(board.label("Label11")->text(), QString::number(all + (bonus ? 35 : 0)));
    }
    QCOMPARE(labelValue(board, "Label11"), finalTotal);
    QVERIFY(sheetState(board).contains(QLatin1String("free 0000000000000")));
}

// "Reset" between turns gives the start-up board with the dice keeping their last faces, and the
// next game earns the bonus again.
void WholeGameTest::resetAfterAGameStartsAFreshOne() {
    BoardDriver board;
    playGame(board, bonusWithTheLastBox);
    const QList<int> lastFaces = board.faces();

    board.triggerMenu("reset");
    QCOMPARE(sheetState(board), emptySheet);
    QCOMPARE(board.turnState(), startOfTurn);
    QCOMPARE(board.faces(), lastFaces);

    playGame(board, bonusWithTheLastBox);
    QVERIFY(board.label("lblbonus")->isVisible());
    QCOMPARE(board.label("lblbonus")->text(), QStringLiteral("bonus 35 points"));
    QCOMPARE(board.label("Label11")->text(), QStringLiteral("291"));
}

void WholeGameTest::resetDuringATurn_data() {
    QTest::addColumn<int>("rollsMade");
    QTest::addColumn<bool>("spinning");
    QTest::addColumn<QString>("afterReset");
    QTest::newRow("between turns") << 0 << false << startOfTurn;
    QTest::newRow("after roll 1") << 1 << false
                                  << "go! on | sheet on | holds 00000 off | spin 00000 | rolls 0";
    QTest::newRow("after roll 3") << 3 << false
                                  << "go! off | sheet on | holds 00000 off | spin 00000 | rolls 0";
    QTest::newRow("while roll 1 spins")
        << 0 << true << "stop on | sheet off | holds 00000 off | spin 11111 | rolls 0";
    QTest::newRow("while roll 2 spins")
        << 1 << true << "stop on | sheet on | holds 00000 off | spin 11111 | rolls 0";
    QTest::newRow("while roll 3 spins")
        << 2 << true << "stop on | sheet on | holds 00000 off | spin 11111 | rolls 0";
}

// Reset clears the sheet, the values and the holds, and leaves the roll in progress as it is: a
// spinning roll goes on (held dice too) and its "stop" is roll 1; after a third roll the dice shown
// are scored first, which frees the roll button.
void WholeGameTest::resetDuringATurn() {
    QFETCH(int, rollsMade);
    QFETCH(bool, spinning);
    QFETCH(QString, afterReset);
    BoardDriver board;
    // A game under way, with the bonus already earned.
    playGame(
        board,
        {{"six", {{6, 6, 6, 6, 6}}}, {"cinq", {{5, 5, 5, 5, 5}}}, {"quatre", {{4, 4, 1, 2, 3}}}});
    QVERIFY(board.label("lblbonus")->isVisible());

    const Dice rolls[] = {{6, 6, 1, 2, 3}, {6, 6, 4, 4, 2}, {6, 6, 4, 4, 4}};
    for (int roll = 0; roll < rollsMade; ++roll)
        board.rollTo(rolls[roll]);
    if (rollsMade > 0 && !board.hold(0)->isChecked())
        board.clickHold(0);
    if (spinning)
        board.clickRoll();
    const QList<int> facesBefore = board.faces();

    board.triggerMenu("reset");
    QCOMPARE(sheetState(board), emptySheet);
    QCOMPARE(board.turnState(), afterReset);

    if (spinning) {
        board.tickAll();
        board.clickRoll();
    } else if (board.rollButton()->isEnabled()) {
        board.rollTo({3, 1, 4, 1, 5});
    } else {
        QCOMPARE(board.faces(), facesBefore);
    }
    if (spinning || board.rollButton()->isEnabled())
        QCOMPARE(board.turnState(),
                 QStringLiteral("go! on | sheet on | holds 00000 on | spin 00000 | rolls 1"));

    const QList<int> faces = board.faces();
    const QString sum = QString::number(std::accumulate(faces.begin(), faces.end(), 0));
    board.clickBox("chance");
    QCOMPARE(board.label("Labelchance")->text(), sum);
    QCOMPARE(board.label("Label11")->text(), sum);
    QCOMPARE(board.turnState(), startOfTurn);
}

// Once every box is used the dice still roll, but nothing can be scored and the totals stay.
void WholeGameTest::afterTheLastBoxNothingMoreIsScored() {
    BoardDriver board;
    playGame(board, bonusWithTheLastBox);

    board.roll({5, 5, 5, 5, 5});
    QCOMPARE(board.turnState(),
             QStringLiteral("go! on | sheet on | holds 00000 on | spin 00000 | rolls 1"));
    QCOMPARE(board.faces(), QList<int>({5, 5, 5, 5, 5}));
    const QString finished = sheetState(board);
    for (const Box& box : BoardDriver::sheetBoxes())
        board.clickBox(box.button);
    QCOMPARE(sheetState(board), finished);
    QCOMPARE(board.label("Label11")->text(), QStringLiteral("291"));
}

QTEST_MAIN(WholeGameTest)
#include "test_wholegame.moc"
