// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// New game, the upper bonus, and the end of the program.

#include "scoring/gamenumbers.h"
#include "windows/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

void Form1::reset_Click() {
    for (QLabel* field : {Label1, Label2, Label3, Label4, Label5, Label6, Labelsu5, Labels4,
                          Label3par, Label4par, Labelkaz, Labelchance, Labelfull, Label9, Label11})
        field->clear();
    lblbonus->setVisible(false);
    for (QPushButton* box :
         {un, deux, trois, quatre, cinq, six, suit4, suit5, full, par3, par4, chance, kazoumi})
        box->setEnabled(true);
    total = 0;
    uppertotal = 0;
    rolls = 0;
    boxscore = 0;
    // Releasing a held box runs Check1_Click, which lets its die spin again.
    for (QCheckBox* hold : Check1)
        hold->setChecked(false);
    for (QCheckBox* hold : Check1)
        hold->setEnabled(false);
    tellNewGame();
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

void Form1::quit_Click() {
    // Ends the program at once: the event loop returns, and main destroys every window.
    QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing the game window ends the program, even while the help or about window is open.
    event->accept();
    quit_Click();
}
