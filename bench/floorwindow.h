// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/gamenumbers.h"

#include <QBasicTimer>
#include <QMainWindow>
#include <QPixmap>

#include <array>

class QPushButton;

// The least a Qt Widgets program pays for a window like the game's: one fixed-size window with a
// menu bar and a button, nothing drawn by the program itself. With dice, it also shows five
// 49 x 49 pictures, and its button starts and stops five timers at the dice's spin interval, each
// of which puts the next of six ready-made pictures on its die and asks for a repaint. The
// benchmarks measure the game against this.
class FloorWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit FloorWindow(bool withDice, QWidget* parent = nullptr);

    // One tick of die i's timer.
    void tick(int i);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    class DieView;

    void toggleSpin();

    QPushButton* m_button = nullptr;
    std::array<QPixmap, gamenumbers::faceCount> m_faces;
    std::array<DieView*, gamenumbers::diceCount> m_dice{};
    std::array<QBasicTimer, gamenumbers::diceCount> m_timers;
    std::array<int, gamenumbers::diceCount> m_shown{};
};
