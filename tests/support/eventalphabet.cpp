// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eventalphabet.h"

#include "boarddriver.h"

#include <QStringList>

#include <cmath>
#include <utility>

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
    for (int i = 0; i < gamenumbers::diceCount; ++i)
        events.push_back({{Action::Hold, i}, 8});
    for (int i = 0; i < gamenumbers::boxCount; ++i)
        events.push_back({{Action::Box, i}, 4});
    for (int i = 0; i < gamenumbers::diceCount; ++i)
        events.push_back({{Action::Tick, i}, 16});
    const std::pair<Action, int> single[] = {
        {Action::Reset, 1},         {Action::About, 3},        {Action::Aide, 3},
        {Action::HelpOk, 2},        {Action::HelpCloseBox, 2}, {Action::AboutOk, 2},
        {Action::AboutCloseBox, 2}, {Action::AboutDie, 3},     {Action::AboutPhoto, 3},
        {Action::Idle, 4},          {Action::Quit, 0},         {Action::GameCloseBox, 0}};
    for (const auto& [action, weight] : single)
        events.push_back({{action, 0}, weight});
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
    // One name for each action, in the order of Action.
    static const QStringList names =
        QStringLiteral("roll,hold %1,box %1,tick %1,Reset,About,Aide,help ok,help close box,"
                       "about ok,about close box,about die picture,about photo,idle,Quitter,"
                       "game close box")
            .split(u',');
    Q_ASSERT(names.size() == static_cast<int>(Action::GameCloseBox) + 1);
    const QString& name = names[static_cast<int>(event.action)];
    if (event.action == Action::Box)
        return name.arg(QLatin1String(BoardDriver::sheetBoxes()[event.index].button));
    return name.contains(u'%') ? name.arg(event.index) : name;
}

bool endsSequence(const Event& event) {
    return event.action == Action::Quit || event.action == Action::GameCloseBox;
}

Throw throwFromCode(unsigned code) {
    const int face = static_cast<int>(code % gamenumbers::faceCount) + 1;
    const float low = static_cast<float>(face - 1) / gamenumbers::faceCount;
    const float high = static_cast<float>(face) / gamenumbers::faceCount;
    switch ((code / gamenumbers::faceCount) % 4) {
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
        return {Action::Tick, static_cast<int>(m_events() % gamenumbers::diceCount)};
    if (event.action == Action::Box) {
        // The free upper box that scores most.
        std::array<int, gamenumbers::faceCount + 1> count{};
        for (int face : board.faces)
            ++count[face];
        int best = 0;
        for (int face = 1; face <= gamenumbers::faceCount; ++face) {
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
    // Each face in four ways: see throwFromCode.
    unsigned code = static_cast<unsigned>(m_throws() % (4 * gamenumbers::faceCount));
    if (m_lucky) {
        // Without a favoured face, a lucky face that changes now and then.
        if (m_luckyFace == 0 || m_throws() % 10 == 0)
            m_luckyFace = static_cast<int>(m_throws() % gamenumbers::faceCount) + 1;
        const int face = favouredFace != 0 ? favouredFace : m_luckyFace;
        if (m_throws() % 4 != 0)
            code = code - code % gamenumbers::faceCount + static_cast<unsigned>(face - 1);
    }
    return throwFromCode(code);
}
