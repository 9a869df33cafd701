// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules.h"

#include <algorithm>
#include <numeric>

namespace rules {

namespace {

// How many dice show each face; index 0 counts the dice that show none.
using FaceCounts = std::array<int, gamenumbers::faceCount + 1>;

FaceCounts faceCounts(const Dice& dice) {
    FaceCounts counts{};
    for (int face : dice)
        ++counts[face >= 1 && face <= gamenumbers::faceCount ? face : 0];
    return counts;
}

// Whether every face from `low` to `high` shows on at least one die.
bool runPresent(const FaceCounts& counts, int low, int high) {
    for (int face = low; face <= high; ++face) {
        if (counts[face] == 0)
            return false;
    }
    return true;
}

} // namespace

int upper(int face, const Dice& dice) {
    return face * static_cast<int>(std::count(dice.begin(), dice.end(), face));
}

int ofAKind(int needed, const Dice& faces, const Dice& values) {
    const auto counts = faceCounts(faces);
    const bool met = std::any_of(counts.begin() + 1, counts.end(),
                                 [needed](int count) { return count >= needed; });
    return met ? chance(values) : 0;
}

int fullHouse(const Dice& dice) {
    const auto counts = faceCounts(dice);
    const bool three = std::count(counts.begin() + 1, counts.end(), 3) == 1;
    const bool two = std::count(counts.begin() + 1, counts.end(), 2) == 1;
    return three && two ? gamenumbers::fullHouseScore : 0;
}

int smallStraight(const Dice& dice) {
    const auto counts = faceCounts(dice);
    const bool met =
        runPresent(counts, 1, 4) || runPresent(counts, 2, 5) || runPresent(counts, 3, 6);
    return met ? gamenumbers::smallStraightScore : 0;
}

int largeStraight(const Dice& dice) {
    const auto counts = faceCounts(dice);
    return runPresent(counts, 1, 5) || runPresent(counts, 2, 6) ? gamenumbers::largeStraightScore
                                                                : 0;
}

int fiveOfAKind(const Dice& dice) {
    const auto counts = faceCounts(dice);
    return std::find(counts.begin() + 1, counts.end(), gamenumbers::diceCount) != counts.end()
               ? gamenumbers::fiveOfAKindScore
               : 0;
}

int chance(const Dice& dice) {
    // A die that shows no face adds nothing.
    return std::accumulate(dice.begin(), dice.end(), 0, [](int sum, int face) {
        return sum + std::clamp(face, 0, gamenumbers::faceCount);
    });
}

} // namespace rules
