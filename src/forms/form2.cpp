// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form2.h"

#include "widgets/appearance.h"
#include "widgets/fixedwindow.h"
#include "widgets/textbox.h"
#include "widgets/twips.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// A rule across the text between two sections: nothing but hyphens.
QString rule(int length) { return QString(length, u'-'); }

// The help text's sections, line by line. Some lines end in a blank, as they were typed.

// The questions the help answers.
QStringList helpContents() {
    return {
        u"1- C'est quoi le but du jeu?"_s,
        u"2- Comment on joue?"_s,
        u"3- C'est quoi les règles de pointage?"_s,
        u"4- Qu'est-ce qu'on fait quand on aime pas le jeu?"_s,
    };
}

// 1: what the game is for.
QStringList helpGoal() {
    return {
        u"1-C'est quoi le but du jeu?"_s,
        u"Le but du jeu de kazoumi c'est pas de battre un ordi, ni "_s,
        u"de battre quelqu'un, c'est juste d'essayer de faire le "_s,
        u"plus haut pointage possible."_s,
    };
}

// 2: how a turn goes.
QStringList helpPlaying() {
    return {
        u"2-Comment on joue?"_s,
        u"-On a droit a 3 essaies pour essayer d'avoir les "_s,
        u"mixages de dés qu'on veut."_s,
        u"-Après chaque brassage, on peut choisir quels dés on "_s,
        u"ne veut pas brasser le coup suivant en cliquant dans le "_s,
        u"petit carré en dessous du dé."_s,
        u"-Quand on a finit nos trois essaies (ou qu'on a fait le "_s,
        u"mixage avant le 3eme coup), on choisit le pitton dans la "_s,
        u"grille de pointage en bas."_s,
        u"-On doit obligatoirement choisir un pitton de la grille de "_s,
        u"pointage après chaque joute (3 coups)."_s,
        u"-Le résultat \"sous-menu\" montre le résultat de la "_s,
        u"première rangée, le résultat total marque le résultat de "_s,
        u"toutes les rangées."_s,
        u"-Quand le jeu est finit, pour démarrer une nouvelle "_s,
        u"partie, on click sur menu/reset."_s,
        u"(ok! je le sais que j'explique mal! =P -note de Quibette)"_s,
    };
}

// 3: what each box scores.
QStringList helpScoring() {
    return {
        u"3-Les règles de pointages:"_s,
        u"(mixages possibles)"_s,
        u"Première rangée:"_s,
        u"-1: total des \"1\" que vous avez"_s,
        u"-2: total des \"2\" que vous avez"_s,
        u"-3: total des \"3\" que vous avez"_s,
        u"-4: total des \"4\" que vous avez"_s,
        u"-5: total des \"5\" que vous avez"_s,
        u"-6: total des \"6\" que vous avez"_s,
        u"Deuxième rangée (incluant le pitton kazoumi!)"_s,
        u"-3 pareils: Total de tous les dés (mais vous devez avoir "_s,
        u"3 dés pareils!)"_s,
        u"-4 pareils: Total de tous les dés (avec 4 dés pareils)"_s,
        u"-Full: 25 points (3 dés pareils + 2 dés pareils)"_s,
        u"-suite(4): 30 (suite de 4 dés)"_s,
        u"-suite(5): 40 (suite de 5 dés)"_s,
        u"-Chance: total de tous les dés (quand vous êtes mal "_s,
        u"pris!)"_s,
        u"-Kazoumi: 50 points (5 dés pareils)"_s,
        u"(note: j'ai laissé tomber les bonus quand on fait plus "_s,
        u"qu'un kazoumi... dans la prochaine version peut être?)"_s,
    };
}

// 4: for a player who does not like the game.
QStringList helpDislike() {
    return {
        u"4- Qu'est-ce qu'on fait quand on aime pas le jeu?"_s,
        u"Bein la! tu joue pas! Qu'est-ce que tu veux que je te dise! "_s,
        u"=P"_s,
    };
}

// The help text: its title, then each section after a rule of hyphens, as long as it was typed,
// with a blank line either side. Every line, the last one too, ends with a line break.
QString helpText() {
    const std::pair<int, QStringList> sections[] = {{81, helpContents()},
                                                    {81, helpGoal()},
                                                    {81, helpPlaying()},
                                                    {75, helpScoring()},
                                                    {77, helpDislike()}};
    QStringList lines = {u"Fichier d'aide:"_s};
    for (const auto& [ruleLength, section] : sections)
        lines << QString() << rule(ruleLength) << QString() << section;
    return lines.join(u'\n') + u'\n';
}

} // namespace

Form2::Form2(QWidget* parent) : QWidget(parent) {
    setUpFixedWindow(this, "Form2", u"Aidez-moi!"_s, QSize(twips(5535), twips(5670)));

    Text1 = makeReadOnlyTextBox("Text1", helpText(), this, twips(120, 120, 5295, 5055),
                                appearance::msSansSerif(9.75), appearance::darkYellow,
                                appearance::navy);

    Text1->setAccessibleName(u"Aide du jeu"_s);

    Command1 = new QPushButton(u"ok"_s, this);
    Command1->setObjectName(u"Command1"_s);
    Command1->setGeometry(twips(2280, 5280, 975, 375));
    Command1->setFont(appearance::msSansSerif(9.75));
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    setTabOrder(Text1, Command1);
    Text1->setFocus();
}

void Form2::Command1_Click() { hide(); }
