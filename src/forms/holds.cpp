// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hold boxes under the dice.

#include "form1.h"
#include "rules/gamenumbers.h"
#include "widgets/intervaltimer.h"

#include <QCheckBox>

// Runs after every change of a hold box, whoever made it, and brings all five dice in line: a
// held die's timer is off, so the die keeps its face while the others spin.
void Form1::Check1_Click(int /*index*/) {
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        switch (Check1[i]->checkState()) {
        case Qt::Checked:
            dieTimers[i]->setEnabled(false);
            break;
        case Qt::Unchecked:
            dieTimers[i]->setEnabled(true);
            break;
        case Qt::PartiallyChecked:
            break;
        }
    }
}

void Form1::releaseHolds() {
    // Releasing a held box runs Check1_Click, which lets its die spin again.
    for (QCheckBox* hold : Check1)
        hold->setChecked(false);
    for (QCheckBox* hold : Check1)
        hold->setEnabled(false);
}
