// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class ImageBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The about window: the game's title, version and author, a note from the author, how to reach
// her, and a die picture that turns into her photo when clicked (and back again). It never blocks
// the game window; the game window's "About" item makes it and brings it back.
class Form3 : public QWidget {
    Q_OBJECT

public:
    explicit Form3(QWidget* parent = nullptr);

    // "ok": hides the window, which keeps showing whichever picture it showed.
    void Command1_Click();
    // The die picture and the photo take turns: a click on the one showing swaps them.
    void Image1_Click();
    void Image2_Click();

private:
    ImageBox* Image1 = nullptr;
    ImageBox* Image2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
};
