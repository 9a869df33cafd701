// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game tells a screen reader as it moves on: the controls' texts are read when asked,
// but a screen reader speaks a change only when it is told of one.

#include "accessibility/accessibility.h"
#include "accessibility/announcer.h"
#include "form1.h"
#include "rules/gamenumbers.h"
#include "widgets/imagebox.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

// After a stop: the dice that spun and their hold boxes read a new face, and the five faces are
// said at once, with the end of the turn's rolls when it came.
void Form1::tellDice() {
    if (!QAccessible::isActive())
        return;
    std::array<QString, gamenumbers::diceCount> tags;
    std::array<bool, gamenumbers::diceCount> held{};
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        tags[i] = Image2[i]->tag();
        held[i] = Check1[i]->isChecked();
        if (!held[i]) {
            accessibility::nameChanged(Image2[i]);
            accessibility::nameChanged(Check1[i]);
        }
    }
    announcer->say(accessibility::diceText(tags, held));
    if (!Command1->isEnabled())
        announcer->say(accessibility::rollsUsedUpText());
}

// After a commit: the box now reads its score, and its score is said with the new total.
void Form1::tellScore(QPushButton* box, QLabel* label, bool bonusEarned) {
    if (!QAccessible::isActive())
        return;
    accessibility::nameChanged(box);
    announcer->say(accessibility::scoreText(box->accessibleName(), label->text(),
                                            bonusEarned ? lblbonus->text() : QString(),
                                            Label11->text()));
}

// A new game frees every box: none reads a score any more.
void Form1::tellNewGame() {
    if (!QAccessible::isActive())
        return;
    for (const SheetBox& box : sheetBoxes)
        accessibility::nameChanged(buttonOf(box));
    announcer->say(accessibility::newGameText());
}

// Once the last box is used, the game is over: nothing on screen says it, but a player who does
// not see the sheet is told, with the final total.
void Form1::tellGameOver() {
    if (!QAccessible::isActive())
        return;
    for (const SheetBox& box : sheetBoxes) {
        if (buttonOf(box)->isEnabledTo(Frame1)) // the sheet itself is off after every commit
            return;
    }
    announcer->say(accessibility::gameOverText(Label11->text()));
}
