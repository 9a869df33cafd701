// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor the game is measured against: a minimal Qt Widgets program. Without arguments it shows
// one fixed-size window with a menu bar and a button; with --dice it also spins five pictures
// while its button is down, the way the game spins its dice.

#include "floorwindow.h"

#include <QApplication>

#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool withDice = argc > 1 && std::strcmp(argv[1], "--dice") == 0;
    FloorWindow window(withDice);
    window.show();
    return app.exec();
}
