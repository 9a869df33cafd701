// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The numbers that make the game what it is, in one place: change one here and the board, the
// scoring and the tests follow. The captions and the help text say some of them in words and
// are written out where they are shown.
namespace gamenumbers {

// The dice thrown each roll, the faces of a die (1 to 6) and the boxes of the score sheet. The
// first boxes are the upper ones, "1" to "6", one for each face; the board is laid out for these
// counts.
inline constexpr int diceCount = 5;
inline constexpr int faceCount = 6;
inline constexpr int boxCount = 13;
inline constexpr int upperBoxCount = faceCount;

// The upper boxes "1" to "6" earn the bonus once together they are worth this much.
inline constexpr int bonusThreshold = 63;
inline constexpr int bonusPoints = 35;

// What the lower boxes that do not add up the dice are worth when the dice fit.
inline constexpr int fullHouseScore = 25;
inline constexpr int smallStraightScore = 30;
inline constexpr int largeStraightScore = 40;
inline constexpr int fiveOfAKindScore = 50;

inline constexpr int rollsPerTurn = 3;

// Milliseconds between two throws of a spinning die.
inline constexpr int spinInterval = 25;

} // namespace gamenumbers
