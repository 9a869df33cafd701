// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The roll button and the dice's timers.

#include "accessibility/announcer.h"
#include "form1.h"
#include "rules/gamenumbers.h"
#include "widgets/imagebox.h"
#include "widgets/intervaltimer.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

void Form1::Command1_Click() {
    const QString caption = Command1->text();
    if (caption == QLatin1String("go!")) {
        QWidget* const focused = takeFocusFrom(QList<QWidget*>(Check1.begin(), Check1.end()));
        // Every die whose timer is enabled (not held) starts spinning.
        for (IntervalTimer* timer : dieTimers)
            timer->setInterval(gamenumbers::spinInterval);
        for (QCheckBox* hold : Check1)
            hold->setEnabled(false);
        Command1->setText(QStringLiteral("stop"));
        passFocusOn(focused);
        announcer->sayCaption(Command1);
    } else if (caption == QLatin1String("stop")) {
        // A die stopped before its first tick would show five pips and count as nothing: throw
        // it now, so that every standing die shows the face it scores as.
        for (int i = 0; i < gamenumbers::diceCount; ++i) {
            if (!wasThrown(i))
                throwDie(i);
        }
        for (IntervalTimer* timer : dieTimers)
            timer->setInterval(0);
        Command1->setText(QStringLiteral("go!"));
        for (QCheckBox* hold : Check1)
            hold->setEnabled(true);
        Frame1->setEnabled(true);
        ++rolls;
        if (rolls == gamenumbers::rollsPerTurn)
            Command1->setEnabled(false);
        // The button's caption is "go!" again, but the dice are what the player waits for: they
        // are said on their own.
        tellDice();
    }
}

void Form1::throwDie(int i) {
    const int n = faceIndex(random->next());
    // The die takes the face's very picture, and its Tag with it.
    Image2[i]->setPicture(Image3[n]->picture());
    Image2[i]->setTag(Image3[n]->tag());
}

bool Form1::wasThrown(int i) const { return !Image2[i]->tag().isEmpty(); }

void Form1::Timer1_Timer() { throwDie(0); }
void Form1::Timer2_Timer() { throwDie(1); }
void Form1::Timer3_Timer() { throwDie(2); }
void Form1::Timer4_Timer() { throwDie(3); }
void Form1::Timer5_Timer() { throwDie(4); }
