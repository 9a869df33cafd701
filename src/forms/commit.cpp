// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing a score into a box, the upper bonus, and the thirteen boxes that do it.

#include "form1.h"
#include "rules/gamenumbers.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

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

void Form1::scoreUpperBox(int face, QPushButton* box, QLabel* label) {
    commitscore(box, label, rules::upper(face, facesByPicture()), true);
}

void Form1::un_Click() { scoreUpperBox(1, un, Label1); }
void Form1::deux_Click() { scoreUpperBox(2, deux, Label2); }
void Form1::trois_Click() { scoreUpperBox(3, trois, Label3); }
void Form1::quatre_Click() { scoreUpperBox(4, quatre, Label4); }
void Form1::cinq_Click() { scoreUpperBox(5, cinq, Label5); }
void Form1::six_Click() { scoreUpperBox(6, six, Label6); }

void Form1::par3_Click() {
    boxscore = rules::ofAKind(3, facesByPicture(), valuesOfTags());
    commitscore(par3, Label3par, boxscore, false);
}

void Form1::par4_Click() {
    boxscore = rules::ofAKind(4, facesByPicture(), valuesOfTags());
    commitscore(par4, Label4par, boxscore, false);
}

void Form1::full_Click() {
    boxscore = rules::fullHouse(facesByTag());
    commitscore(full, Labelfull, boxscore, false);
}

void Form1::suit4_Click() {
    boxscore = rules::smallStraight(valuesOfTags());
    commitscore(suit4, Labels4, boxscore, false);
}

void Form1::suit5_Click() {
    boxscore = rules::largeStraight(valuesOfTags());
    commitscore(suit5, Labelsu5, boxscore, false);
}

void Form1::kazoumi_Click() {
    boxscore = rules::fiveOfAKind(facesByTag());
    commitscore(kazoumi, Labelkaz, boxscore, false);
}

void Form1::chance_Click() {
    boxscore = rules::chance(valuesOfTags());
    commitscore(chance, Labelchance, boxscore, false);
}
