// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the score sheet reads the five dice. A die never thrown shows no face (0) to every reading.

#include "form1.h"
#include "rules/gamenumbers.h"
#include "widgets/imagebox.h"

Dice Form1::facesByPicture() const {
    Dice faces{};
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        for (int k = 0; k < gamenumbers::faceCount; ++k) {
            if (Image2[i]->picture() == Image3[k]->picture())
                faces[i] = k + 1;
        }
    }
    return faces;
}

Dice Form1::facesByTag() const {
    Dice faces{};
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        for (int face = 1; face <= gamenumbers::faceCount; ++face) {
            if (Image2[i]->tag() == QString::number(face))
                faces[i] = face;
        }
    }
    return faces;
}

Dice Form1::valuesOfTags() const {
    Dice values{};
    for (int i = 0; i < gamenumbers::diceCount; ++i)
        values[i] = Image2[i]->tag().toInt(); // an empty Tag reads as 0
    return values;
}
