// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/gamenumbers.h"

#include <QString>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

// Everything a player can do to the program, one event at a time: clicks on the game window's
// roll button, hold boxes and the thirteen box buttons, single ticks of the dice's timers, the
// menu items, the buttons, close boxes and pictures of the help and about windows, and the two
// ways out. The randomized sequence test and the fuzzer draw their events from this one list.
enum class Action : std::uint8_t {
    Roll,          // "go!" / "stop" (Command1)
    Hold,          // hold box Check1(index)
    Box,           // box button `index` in sheet order, "1" .. "6", "3 pareils" .. "Chance"
    Tick,          // one tick of the timer of die `index`
    Reset,         // menu "Reset"
    About,         // menu "About"
    Aide,          // menu "Aide"
    HelpOk,        // "ok" of the help window
    HelpCloseBox,  // close box of the help window
    AboutOk,       // "ok" of the about window
    AboutCloseBox, // close box of the about window
    AboutDie,      // the about window's die picture (Image1)
    AboutPhoto,    // the about window's photo (Image2)
    Idle,          // the event loop catches up: repaints and deletions, but no tick
    Quit,          // menu "Quitter": ends the sequence
    GameCloseBox,  // close box of the game window: ends the sequence too
};

struct Event {
    Action action = Action::Idle;
    int index = 0;

    bool operator==(const Event&) const = default;
};

// Every event once, in a fixed order: an event's position here is its code.
const std::vector<Event>& eventAlphabet();

// How an event reads in a report: "roll", "hold 2", "box par3", "tick 4", "Reset", ...
QString eventName(const Event& event);

// Whether the event ends the program, and with it the sequence.
bool endsSequence(const Event& event);

// One throw of a die, as the scripted random source gives it: the value handed to the game and
// the face it must land on. Besides the middle of each face's range, the values include values
// just inside either end of it, and the ends of the source's range (0 and the largest value
// below 1).
struct Throw {
    float value = 0.0f;
    int face = 1;
};
Throw throwFromCode(unsigned code);

// Draws random sequences: events with weights that let whole games get played (the box buttons
// and ticks are common, the menu and the other windows less so), and throws. Events and throws
// come from two generators, so a prefix of a sequence is always the same prefix.
//
// Uniform dice and boxes clicked at random would hardly ever reach the upper bonus or five of a
// kind, so two seeds in three play a luckier and wiser game: most throws land on a favoured face
// (the sequence's choice: the face of the first free upper box), or else on a lucky face that
// changes now and then; the dice are let spin longer; a box click often goes to the free upper box
// that scores most; and a "Reset" is mostly let go.
class EventSource {
public:
    explicit EventSource(std::uint64_t seed);

    // What the wiser game looks at: the dice, the boxes still free, and whether the dice spin.
    struct Board {
        std::array<int, gamenumbers::diceCount> faces{};
        std::array<bool, gamenumbers::boxCount> freeBoxes{};
        bool spinning = false;
    };

    // An event that does not end the sequence.
    Event nextEvent(const Board& board);
    // One of the two ways out.
    Event nextEnding();
    Throw nextThrow(int favouredFace = 0);

private:
    std::mt19937_64 m_events;
    std::mt19937_64 m_throws;
    bool m_lucky;
    int m_luckyFace = 0;
};
