// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing a score into a box, the upper bonus, and the thirteen boxes that do it.

#include "form1.h"
#include "rules/gamenumbers.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

// Scores the box whose button is `button` by its rule, with the dice shown. A lower box keeps its
// score in boxscore first; an upper one adds it to the sub-total, and may earn the bonus.
void Form1::scoreBox(QPushButton* button) {
    for (const SheetBox& box : sheetBoxes) {
        if (buttonOf(box) != button)
            continue;
        const int score = box.score(*this);
        if (!box.upper())
            boxscore = score;
        commitscore(button, labelOf(box), score, box.upper());
        return;
    }
}

// Ends the turn: shows the score and the totals, uses the box up, and brings the board back to
// the start of a turn. The dice and their spin are left as they are.
void Form1::commitscore(QPushButton* box, QLabel* label, int score, bool upper) {
    // Everything but the roll button goes off: the focus moves on to it.
    QWidget* const focused = takeFocusFrom(focusOrder.mid(1));
    label->setText(QString::number(score));
    if (upper) {
        uppertotal += score;
        Label9->setText(QString::number(uppertotal));
    }
    total += score;
    Label11->setText(QString::number(total));
    box->setEnabled(false);
    releaseHolds();
    Frame1->setEnabled(false);
    Command1->setEnabled(true);
    rolls = 0;
    const bool hadBonus = !lblbonus->isHidden();
    if (upper)
        checkbonus();
    passFocusOn(focused);
    tellScore(box, label, !hadBonus && !lblbonus->isHidden());
    tellGameOver();
}

// Given once a game, at the first upper commit that brings the upper boxes to the bonus
// threshold or more.
void Form1::checkbonus() {
    if (uppertotal < gamenumbers::bonusThreshold || !lblbonus->isHidden())
        return;
    lblbonus->setVisible(true);
    total += gamenumbers::bonusPoints;
    Label11->setText(QString::number(total));
}

// The thirteen boxes' buttons: each scores its box by the box's own entry of the sheet's table.
void Form1::un_Click() { scoreBox(un); }
void Form1::deux_Click() { scoreBox(deux); }
void Form1::trois_Click() { scoreBox(trois); }
void Form1::quatre_Click() { scoreBox(quatre); }
void Form1::cinq_Click() { scoreBox(cinq); }
void Form1::six_Click() { scoreBox(six); }
void Form1::par3_Click() { scoreBox(par3); }
void Form1::par4_Click() { scoreBox(par4); }
void Form1::full_Click() { scoreBox(full); }
void Form1::suit4_Click() { scoreBox(suit4); }
void Form1::suit5_Click() { scoreBox(suit5); }
void Form1::kazoumi_Click() { scoreBox(kazoumi); }
void Form1::chance_Click() { scoreBox(chance); }
