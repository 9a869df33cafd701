// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamenumbers.h"

#include <array>

// The five dice as the score sheet reads them: each face 1 to 6, or 0 for a die that shows no
// face (one never thrown). The rules are pure: the same dice always score the same.
using Dice = std::array<int, gamenumbers::diceCount>;

namespace rules {

// "1" to "6": the face's points for every die showing it.
int upper(int face, const Dice& dice);
// "3 pareils" (needed 3) and "4 pareils" (needed 4): when at least that many dice show one face
// in `faces`, the sum of all five `values`; else 0.
int ofAKind(int needed, const Dice& faces, const Dice& values);
// "Full": three dice of one face and two of another.
int fullHouse(const Dice& dice);
// "Suite (4)": the faces 1-2-3-4, 2-3-4-5 or 3-4-5-6 all present.
int smallStraight(const Dice& dice);
// "Suite (5)": the faces 1 to 5 or 2 to 6 all present.
int largeStraight(const Dice& dice);
// "KAZOUMI!": five dice of one face.
int fiveOfAKind(const Dice& dice);
// "Chance": the sum of the dice.
int chance(const Dice& dice);

} // namespace rules
