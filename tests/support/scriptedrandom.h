// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/gamenumbers.h"
#include "rules/randomsource.h"

#include <deque>
#include <memory>

// The value that lands a throw on the given face, 1 to 6: the middle of the face's range.
inline float faceValue(int face) { return (face - 1 + 0.5f) / gamenumbers::faceCount; }

// A random source that gives the values a test asks for. The script is shared, so a test can keep
// adding values after handing the source to the board. Once it runs dry it gives 0 (face 1).
class ScriptedRandom final : public RandomSource {
public:
    struct Script {
        std::deque<float> values;
        int drawn = 0;

        void pushValue(float value) { values.push_back(value); }
        // A value that lands on the given face, 1 to 6.
        void pushFace(int face) { values.push_back(faceValue(face)); }
    };

    explicit ScriptedRandom(std::shared_ptr<Script> script) : m_script(std::move(script)) {}

    float next() override {
        ++m_script->drawn;
        if (m_script->values.empty())
            return 0.0f;
        const float value = m_script->values.front();
        m_script->values.pop_front();
        return value;
    }

private:
    std::shared_ptr<Script> m_script;
};
