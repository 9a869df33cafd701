// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

// Where the dice get their luck: a uniform value from 0 up to but not including 1. The program
// makes one source at start-up and never seeds it again; tests give the board a scripted one.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// The program's own source, seeded once from the system's entropy when it is made.
std::unique_ptr<RandomSource> makeSystemRandomSource();

// The face index 0 to 5 for a value of the source. Values outside [0, 1), which a faulty source
// could give, still land on a real face.
int faceIndex(float r);
