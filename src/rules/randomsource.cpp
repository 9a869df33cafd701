// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "randomsource.h"

#include "gamenumbers.h"

#include <algorithm>
#include <cstdint>
#include <random>

namespace {

class SystemRandomSource final : public RandomSource {
public:
    SystemRandomSource() : m_engine(std::random_device{}()) {}

    float next() override {
        // 24 random bits make every float in [0, 1) with a step of 2^-24 equally likely, and
        // never 1 itself (std::generate_canonical may return 1 on some libraries).
        return static_cast<float>(m_engine() >> 8) * 0x1p-24f;
    }

private:
    std::mt19937 m_engine;
};

} // namespace

std::unique_ptr<RandomSource> makeSystemRandomSource() {
    return std::make_unique<SystemRandomSource>();
}

int faceIndex(float r) {
    if (!(r > 0.0f)) // also catches NaN
        return 0;
    constexpr int lastFace = gamenumbers::faceCount - 1;
    if (r >= 1.0f)
        return lastFace;
    return std::min(static_cast<int>(r * gamenumbers::faceCount), lastFace);
}
