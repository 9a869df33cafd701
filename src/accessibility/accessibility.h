// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/gamenumbers.h"

#include <QString>

#include <array>

class ImageBox;
class QAbstractButton;
class QLabel;
class QMenu;
class QObject;

// What assistive technology is told about the board. The texts are computed when a screen reader
// asks for them, never as the game runs: a spinning die costs nothing here. What changes without
// the screen reader noticing (a die that stopped, a score) is told by the game when it happens,
// through nameChanged() and the Announcer, and only while assistive technology listens.
namespace accessibility {

// Installs the program's one accessibility factory, which gives the widgets described below and
// the Announcer their interfaces; safe to call more than once.
void install();

// A die: its name ("Dé 1") followed by the face it shows, or that it has not been thrown yet.
void describeDie(ImageBox* die, const QString& name);
// A picture that does something when clicked: announced as a button that can be pressed.
void describeClickablePicture(ImageBox* picture, const QString& name);
// A hold box: its name ("Garder le dé 2"), followed by the face of its die once the die was thrown.
// Both controls below are described before they get a caption: with assistive technology
// listening, a caption makes the control's interface, and Qt keeps that one.
void describeHoldBox(QAbstractButton* hold, ImageBox* die, const QString& name);
// A box of the score sheet: its name, followed by the score its field (a sibling, named
// `fieldName`) shows once it took one.
void describeBox(QAbstractButton* box, const QString& fieldName, const QString& name);
// A score field: the box's name followed by its score, or by `whenEmpty` (that the box is still
// free, or that a total is still 0).
void describeScoreField(QLabel* field, const QString& boxName, const QString& whenEmpty);
// A menu of the menu bar, named `name` for assistive technology whatever its caption; described
// before it is added to the menu bar.
void nameMenu(QMenu* menu, const QString& name);

// Tells assistive technology that the text of a control computed above has changed, so that no
// stale copy of it is read out.
void nameChanged(QObject* object);

// The texts themselves, for the interfaces and their tests.
// A number of points in French: "0 point", "1 point", "2 points".
QString pointsText(const QString& number);
QString dieText(const QString& name, const QString& tag);
QString scoreFieldText(const QString& boxName, const QString& score, const QString& whenEmpty);
// The five faces after a roll, the held dice marked: "Dés : 3, 5 gardé, 5 gardé, 2, 6."
QString diceText(const std::array<QString, gamenumbers::diceCount>& tags,
                 const std::array<bool, gamenumbers::diceCount>& held);
// Said after the dice when the turn's last roll is made.
QString rollsUsedUpText();
// A box just scored: "Case Full : 25 points. Total : 41 points.", with the bonus between the two
// when this score earned it.
QString scoreText(const QString& boxName, const QString& score, const QString& bonus,
                  const QString& total);
// Said when "Reset" starts a new game, and when the last box is used: "Partie terminée : 211
// points." The game shows neither on screen.
QString newGameText();
QString gameOverText(const QString& total);

} // namespace accessibility
