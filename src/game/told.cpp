// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game tells a screen reader as it moves on: the controls' texts are read when asked,
// but a screen reader speaks a change only when it is told of one.

#include "windows/accessibility.h"
#include "windows/announcer.h"
#include "windows/form1.h"
#include "windows/imagebox.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

// After a stop: the dice that spun and their hold boxes read a new face, and the five faces are
// said at once, with the end of the turn's rolls when it came.
void Form1::tellDice() {
    if (!QAccessible::isActive())
        return;
    std::array<QString, 5> tags;
    std::array<bool, 5> held{};
    for (int i = 0; i < 5; ++i) {
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
    for (QPushButton* box :
         {un, deux, trois, quatre, cinq, six, par3, par4, full, suit4, suit5, chance, kazoumi})
        accessibility::nameChanged(box);
}
