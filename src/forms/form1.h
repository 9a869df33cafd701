// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/gamenumbers.h"
#include "rules/randomsource.h"
#include "rules/rules.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class Announcer;
class IntervalTimer;
class ImageBox;
class Picture;
class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class Form2;
class Form3;

// The game window, and the whole game: the five dice with their hold boxes and timers, the roll
// button, the score sheet and the menu. The state of a game lives in these widgets and in the
// four values below; the handlers that move it on are members of this class, one file of this
// folder per topic: roll.cpp, holds.cpp, commit.cpp (with readdice.cpp), menu.cpp and told.cpp
// (what a screen reader is told). form1.cpp builds the window.
class Form1 : public QMainWindow {
    Q_OBJECT
    Q_PROPERTY(int total READ totalValue)
    Q_PROPERTY(int uppertotal READ uppertotalValue)
    Q_PROPERTY(int boxscore READ boxscoreValue)
    Q_PROPERTY(int rolls READ rollsValue)

public:
    // A box of the score sheet: its button and the label beside it that shows its score, each
    // named like its member, the button's caption and handler, where the box stands, and what it
    // scores the dice the form shows. Column 0 holds the upper boxes, column 1 the lower ones,
    // column 2 "KAZOUMI!" alone.
    struct SheetBox {
        const char* button;
        const char* label;
        const char* caption;
        QPushButton* Form1::* buttonMember;
        QLabel* Form1::* labelMember;
        void (Form1::*handler)();
        int column;
        int row;
        int (*score)(const Form1& form);

        bool upper() const { return column == 0; }
    };
    // The thirteen boxes in sheet order: "1" to "6", "3 pareils", "4 pareils", "Full",
    // "Suite (4)", "Suite (5)", "KAZOUMI!", "Chance". Every walk over the boxes goes through it.
    static const std::array<SheetBox, gamenumbers::boxCount> sheetBoxes;

    explicit Form1(std::unique_ptr<RandomSource> random = makeSystemRandomSource(),
                   QWidget* parent = nullptr);
    ~Form1() override;

    int totalValue() const { return total; }
    int uppertotalValue() const { return uppertotal; }
    int boxscoreValue() const { return boxscore; }
    int rollsValue() const { return rolls; }

    // Start-up: the one step taken once the widgets exist.
    void Form_Load();

    // Rolling the dice.
    void Command1_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();

    // Holding dice.
    void Check1_Click(int index);

    // The thirteen boxes of the score sheet.
    void un_Click();
    void deux_Click();
    void trois_Click();
    void quatre_Click();
    void cinq_Click();
    void six_Click();
    void par3_Click();
    void par4_Click();
    void full_Click();
    void suit4_Click();
    void suit5_Click();
    void kazoumi_Click();
    void chance_Click();

    // The menu.
    void reset_Click();
    void about_Click();
    void aide_Click();
    void quit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildMenu();
    void buildDiceArea();
    void buildDie(int n, const std::shared_ptr<const Picture>& framePicture);
    void buildRollButton();
    void buildFacePictures();
    void buildScoreSheet();
    void buildTotals();
    void setFocusOrder();
    QWidget* takeFocusFrom(const QList<QWidget*>& disabled);
    void passFocusOn(QWidget* from);
    void addSheetBox(const SheetBox& box);
    QPushButton* buttonOf(const SheetBox& box) const { return this->*box.buttonMember; }
    QLabel* labelOf(const SheetBox& box) const { return this->*box.labelMember; }

    // One tick of a die's timer: throw die i and show its face.
    void throwDie(int i);
    bool wasThrown(int i) const;

    // The three ways the boxes read the dice: by picture, by Tag text and by Tag as a number.
    Dice facesByPicture() const;
    Dice facesByTag() const;
    Dice valuesOfTags() const;

    // What a screen reader is told when the dice stop, when a box is scored and at a new game.
    void tellDice();
    void tellScore(QPushButton* box, QLabel* label, bool bonusEarned);
    void tellNewGame();
    void tellGameOver();

    // Unticks every hold box and disables them all, as a turn or a game ends.
    void releaseHolds();

    void scoreBox(QPushButton* button);
    void commitscore(QPushButton* box, QLabel* label, int score, bool upper);
    void checkbonus();

    std::unique_ptr<RandomSource> random;

    // The four values of a game; zero until first written.
    int total = 0;
    int uppertotal = 0;
    int boxscore = 0;
    int rolls = 0;

    Announcer* announcer = nullptr;
    QList<QWidget*> focusOrder;
    QMetaObject::Connection describedRollButton;
    QWidget* client = nullptr;
    QFrame* Frame1 = nullptr;
    QFrame* Frame2 = nullptr;
    QGroupBox* score = nullptr;

    QPushButton* Command1 = nullptr;
    std::array<ImageBox*, gamenumbers::diceCount> Image1{};
    std::array<ImageBox*, gamenumbers::diceCount> Image2{};
    std::array<ImageBox*, gamenumbers::faceCount> Image3{};
    std::array<QCheckBox*, gamenumbers::diceCount> Check1{};
    std::array<IntervalTimer*, gamenumbers::diceCount> dieTimers{}; // Timer1 .. Timer5

    QPushButton* un = nullptr;
    QPushButton* deux = nullptr;
    QPushButton* trois = nullptr;
    QPushButton* quatre = nullptr;
    QPushButton* cinq = nullptr;
    QPushButton* six = nullptr;
    QPushButton* par3 = nullptr;
    QPushButton* par4 = nullptr;
    QPushButton* full = nullptr;
    QPushButton* suit4 = nullptr;
    QPushButton* suit5 = nullptr;
    QPushButton* kazoumi = nullptr;
    QPushButton* chance = nullptr;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label3par = nullptr;
    QLabel* Label4par = nullptr;
    QLabel* Labelfull = nullptr;
    QLabel* Labels4 = nullptr;
    QLabel* Labelsu5 = nullptr;
    QLabel* Labelkaz = nullptr;
    QLabel* Labelchance = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* lblbonus = nullptr;

    QMenu* menu = nullptr;
    QAction* reset = nullptr;
    QAction* rien = nullptr;
    QAction* about = nullptr;
    QAction* rien2 = nullptr;
    QAction* aide = nullptr;
    QAction* rien3 = nullptr;
    QAction* quit = nullptr;

    // The help and about windows, made when first asked for.
    QPointer<Form2> helpWindow;
    QPointer<Form3> aboutWindow;
};
