// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boarddriver.h"
#include "boardmodel.h"
#include "eventalphabet.h"

#include <QStringList>

#include <functional>
#include <memory>

// Plays events of the alphabet on a fresh game window (with its help and about windows, made when
// the menu asks for them), delivering each the way a player's action reaches the program, and
// keeps an independent model of the game in step. After every event it compares the real windows
// with the model and checks the rules that hold whatever happened.
class EventPlayer {
public:
    EventPlayer();
    ~EventPlayer();

    // Plays one event; the throws it makes land on the faces `nextThrow` gives. Returns what went
    // wrong, one line each, or nothing when the board is sound.
    QStringList play(const Event& event, const std::function<Throw()>& nextThrow);

    // Whether the program has ended ("Quitter" or the game window's close box).
    bool ended() const { return m_ended; }

    BoardDriver& board() { return *m_board; }
    const BoardModel& model() const { return m_model; }

    // The board as it shows now, read off the real windows.
    BoardState observe() const;
    // The rules that hold in every state the game can reach, checked on the real windows.
    QStringList brokenRules() const;

private:
    void deliver(const Event& event);
    QStringList endTheProgram(const Event& event);

    std::unique_ptr<BoardDriver> m_board;
    BoardModel m_model;
    bool m_ended = false;
};

// Clicks the middle of `widget` the way a player can: press and release go to whatever shows at
// that point of its window (a hidden widget is not there to be clicked; a disabled one gets the
// click and ignores it), and nothing happens at all while the window is not on the screen.
void clickAsPlayer(QWidget* widget);

// The offscreen window system says, every time a window is shown, that it cannot raise windows or
// pass on size hints; the program does both on every "Aide" and "About". Silences that news and
// passes every other message on.
void silenceWindowSystemNotes();
