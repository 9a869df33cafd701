// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The help window: the rules of the game in a text box that cannot be edited, and an "ok" button
// that puts the window away. It never blocks the game window; the game window's "Aide" item
// makes it and brings it back.
class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);

    // "ok": hides the window, which keeps its text scrolled where the player left it.
    void Command1_Click();

private:
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
};
