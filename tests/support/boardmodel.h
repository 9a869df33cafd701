// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "eventalphabet.h"

#include "rules/gamenumbers.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// A help or about window: never made yet (or destroyed by its close box), shown, or hidden.
enum class WindowState { Absent, Shown, Hidden };

// The board as the rules describe it, field by field. The model keeps one; the checker reads one
// off the real windows, and the two must be equal after every event.
struct BoardState {
    BoardState() { scores.fill(-1); }
    QString caption = QStringLiteral("go!"); // roll button
    bool rollEnabled = true;
    int rolls = 0;
    bool spinning = false; // the dice's timers have their spin interval
    std::array<bool, gamenumbers::diceCount> held{};
    bool holdsEnabled = false;
    bool sheetEnabled = false;
    std::array<int, gamenumbers::boxCount> scores; // -1: free
    QString subtotalText;                          // Label9
    QString totalText;                             // Label11
    bool bonus = false;
    int total = 0;
    int uppertotal = 0;
    int boxscore = 0;
    std::array<int, gamenumbers::diceCount> faces{}; // 1 to 6, or 0 for a die never thrown
    WindowState help = WindowState::Absent;
    WindowState about = WindowState::Absent;
    bool photo = false; // the about window shows the photo rather than the die picture

    // Whether die i's timer ticks.
    bool ticking(int die) const { return spinning && !held[die]; }
};

// The differences between the state the model expects and the one the board shows, one line
// each ("Label11: "45", expected "50""); empty when they agree.
QStringList differences(const BoardState& expected, const BoardState& actual);

// The score box `box` (in sheet order) gives the five faces, worked out from the rules as written.
int ruleScore(int box, const std::array<int, gamenumbers::diceCount>& faces);

// An independent model of the game: the rules applied to a plain state, with no widget in sight.
class BoardModel {
public:
    const BoardState& state() const { return m_state; }

    // How many throws the event makes: one for a tick of a die that spins, and on "stop" one for
    // each die that was never thrown.
    int throwsFor(const Event& event) const;
    // Moves the model on by one event; `faces` are the faces its throws land on, in order.
    void apply(const Event& event, const std::vector<int>& faces);

    // What the model has seen, for the report.
    int commits() const { return m_commits; }
    int gamesFinished() const { return m_gamesFinished; }
    int bonuses() const { return m_bonuses; }

private:
    void roll(const std::vector<int>& faces);
    void commit(int box);
    void reset();
    static void show(WindowState& window, bool* photo);

    BoardState m_state;
    int m_commits = 0;
    int m_gamesFinished = 0;
    int m_bonuses = 0;
};
