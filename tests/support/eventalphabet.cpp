// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eventalphabet.h"

#include "boarddriver.h"

#include <cmath>

namespace {

struct Weighted {
    Event event;
    int weight;
};

// The weights of the random sequences. A game needs 13 commits and a few rolls, stops and ticks
// between them; the windows and the menu come up often enough to be open during a good part of a
// sequence, and closed again.
std::vector<Weighted> weightedAlphabet() {
    std::vector<Weighted> events;
    events.push_back({{Action::Roll, 0}, 50});
    for (int i = 0; i < 5; ++i)
        events.push_back({{Action::Hold, i}, 8});
    for (int i = 0; i < 13; ++i)
        events.push_back({{Action::Box, i}, 4});
    for (int i = 0; i < 5; ++i)
        events.push_back({{Action::Tick, i}, 16});
    events.push_back({{Action::Reset, 0}, 1});
    events.push_back({{Action::About, 0}, 3});
    events.push_back({{Action::Aide, 0}, 3});
    events.push_back({{Action::HelpOk, 0}, 2});
    events.push_back({{Action::HelpCloseBox, 0}, 2});
    events.push_back({{Action::AboutOk, 0}, 2});
    events.push_back({{Action::AboutCloseBox, 0}, 2});
    events.push_back({{Action::AboutDie, 0}, 3});
    events.push_back({{Action::AboutPhoto, 0}, 3});
    events.push_back({{Action::Idle, 0}, 4});
    events.push_back({{Action::Quit, 0}, 0});
    events.push_back({{Action::GameCloseBox, 0}, 0});
    return events;
}

const std::vector<Weighted>& weighted() {
    static const std::vector<Weighted> events = weightedAlphabet();
    return events;
}

} // namespace

const std::vector<Event>& eventAlphabet() {
    static const std::vector<Event> events = [] {
        std::vector<Event> all;
        for (const Weighted& w : weighted())
            all.push_back(w.event);
        return all;
    }();
    return events;
}

QString eventName(const Event& event) {
    switch (event.action) {
    case Action::Roll:
        return QStringLiteral("roll");
    case Action::Hold:
        return QStringLiteral("hold %1").arg(event.index);
    case Action::Box:
        return QStringLiteral("box %1").arg(
            QLatin1String(BoardDriver::sheetBoxes()[event.index].button));
    case Action::Tick:
        return QStringLiteral("tick %1").arg(event.index);
    case Action::Reset:
        return QStringLiteral("Reset");
    case Action::About:
        return QStringLiteral("About");
    case Action::Aide:
        return QStringLiteral("Aide");
    case Action::HelpOk:
        return QStringLiteral("help ok");
    case Action::HelpCloseBox:
        return QStringLiteral("help close box");
    case Action::AboutOk:
        return QStringLiteral("about ok");
    case Action::AboutCloseBox:
        return QStringLiteral("about close box");
    case Action::AboutDie:
        return QStringLiteral("about die picture");
    case Action::AboutPhoto:
        return QStringLiteral("about photo");
    case Action::Idle:
        return QStringLiteral("idle");
    case Action::Quit:
        return QStringLiteral("Quitter");
    case Action::GameCloseBox:
        return QStringLiteral("game close box");
    }
    return QStringLiteral("?");
}

bool endsSequence(const Event& event) {
    return event.action == Action::Quit || event.action == Action::GameCloseBox;
}

Throw throwFromCode(unsigned code) {
    const int face = static_cast<int>(code % 6) + 1;
    const float low = static_cast<float>(face - 1) / 6.0f;
    const float high = static_cast<float>(face) / 6.0f;
    switch ((code / 6) % 4) {
    case 1:
        return {low + 1e-5f, face};
    case 2:
        return {high - 1e-5f, face};
    case 3:
        // The ends of the source's range land on the first and the last face.
        if (face == 1)
            return {0.0f, 1};
        if (face == 6)
            return {std::nextafter(1.0f, 0.0f), 6};
        break;
    default:
        break;
    }
    return {(low + high) / 2.0f, face};
}

EventSource::EventSource(std::uint64_t seed)
    : m_events(seed), m_throws(seed ^ 0x9e3779b97f4a7c15ULL), m_lucky(seed % 3 != 0) {}

Event EventSource::nextEvent(const Board& board) {
    static const int totalWeight = [] {
        int sum = 0;
        for (const Weighted& w : weighted())
            sum += w.weight;
        return sum;
    }();
    int pick = static_cast<int>(m_events() % static_cast<std::uint64_t>(totalWeight));
    Event event{Action::Idle, 0};
    for (const Weighted& w : weighted()) {
        if (pick < w.weight) {
            event = w.event;
            break;
        }
        pick -= w.weight;
    }
    const bool wise = m_events() % 4 != 0;
    if (!m_lucky || !wise)
        return event;
    if (event.action == Action::Reset) {
        // A wise player seldom throws a game away.
        return m_events() % 4 == 0 ? event : Event{Action::Idle, 0};
    }
    if (event.action == Action::Roll && board.spinning && m_events() % 4 != 0)
        return {Action::Tick, static_cast<int>(m_events() % 5)};
    if (event.action == Action::Box) {
        // The free upper box that scores most.
        std::array<int, 7> count{};
        for (int face : board.faces)
            ++count[face];
        int best = 0;
        for (int face = 1; face <= 6; ++face) {
            if (board.freeBoxes[face - 1] && face * count[face] > best * count[best])
                best = face;
        }
        if (best != 0)
            event.index = best - 1;
    }
    return event;
}

Event EventSource::nextEnding() {
    return m_events() % 2 == 0 ? Event{Action::Quit, 0} : Event{Action::GameCloseBox, 0};
}

Throw EventSource::nextThrow(int favouredFace) {
    unsigned code = static_cast<unsigned>(m_throws() % 24);
    if (m_lucky) {
        // Without a favoured face, a lucky face that changes now and then.
        if (m_luckyFace == 0 || m_throws() % 10 == 0)
            m_luckyFace = static_cast<int>(m_throws() % 6) + 1;
        const int face = favouredFace != 0 ? favouredFace : m_luckyFace;
        if (m_throws() % 4 != 0)
            code = code - code % 6 + static_cast<unsigned>(face - 1);
    }
    return throwFromCode(code);
}
