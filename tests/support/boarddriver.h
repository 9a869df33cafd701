// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/form1.h"
#include "forms/form2.h"
#include "forms/form3.h"
#include "scriptedrandom.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <array>
#include <initializer_list>
#include <memory>

class ImageBox;
class IntervalTimer;

// Plays a game board through its real widgets, the way a player would: mouse clicks on buttons
// and hold boxes, menu items triggered, and timer ticks delivered as timer events one at a time.
// The board's random source is scripted, so every throw is known.
class BoardDriver {
public:
    // The thirteen boxes of the score sheet in the board's own order, "1" to "6" first.
    using SheetBox = Form1::SheetBox;
    static const auto& sheetBoxes() { return Form1::sheetBoxes; }
    static const SheetBox& sheetBox(const char* button);

    BoardDriver();

    Form1& form() { return *m_form; }
    ScriptedRandom::Script& script() { return *m_script; }

    // Widgets by their names.
    QPushButton* button(const char* name) const;
    QLabel* label(const char* name) const;
    QCheckBox* hold(int die) const { return m_holds[die]; }
    ImageBox* die(int die) const { return m_dice[die]; }
    ImageBox* face(int index) const { return m_faces[index]; }
    IntervalTimer* timer(int die) const { return m_timers[die]; }
    QPushButton* rollButton() const { return m_roll; }
    QWidget* sheet() const { return m_sheet; }
    // Whether the box itself is still free, whatever the state of the sheet around it.
    bool isFree(const char* box) const { return button(box)->isEnabledTo(m_sheet); }
    // The button and the score label of box `b` of the sheet, in the sheet's order.
    QPushButton* box(int b) const { return m_boxes[b]; }
    QLabel* scoreLabel(int b) const { return m_scoreLabels[b]; }

    // A left click in the middle of the widget, as the player makes it.
    void click(QWidget* widget);
    void clickRoll() { click(rollButton()); }
    void clickBox(const char* name) { click(button(name)); }
    void clickHold(int die) { click(hold(die)); }
    void triggerMenu(const char* name);
    // Opens the help or about window through the menu; returns it if it is the only one.
    Form2* openHelp();
    Form3* openAbout();

    // Delivers one tick to the die's timer if it is ticking; returns whether it was.
    bool tick(int die);
    // One tick to every ticking timer, die 0 first.
    void tickAll();

    // A whole roll: "go!", one tick of every spinning die taking the next of `faces` in turn
    // (one face per die that spins), then "stop".
    void roll(std::initializer_list<int> faces);
    // A roll that leaves the dice showing `target`. Between the rolls of a turn it first holds
    // every die that already shows its target face and releases the others; each die that spins
    // then takes its target face.
    void rollTo(const Dice& target);

    // Face shown by each die by picture (0 for none), and each die's Tag.
    int faceOf(int die) const;
    QString tagOf(int die) const;
    // The faces of all five dice, die 0 first.
    QList<int> faces() const;
    int rolls() const { return m_form->property("rolls").toInt(); }

    // The turn state in one line, for comparing whole states at once:
    // "go! on | sheet off | holds 01000 on | spin 10111 | rolls 2" gives the roll button's caption
    // and whether it is enabled, whether the sheet is, each hold's tick and whether the holds can
    // be used, which dice's timers tick, and the rolls made this turn.
    QString turnState() const;

private:
    std::shared_ptr<ScriptedRandom::Script> m_script;
    std::unique_ptr<Form1> m_form;
    // The widgets that change as the game goes, looked up once.
    QPushButton* m_roll = nullptr;
    QWidget* m_sheet = nullptr;
    std::array<QCheckBox*, gamenumbers::diceCount> m_holds{};
    std::array<ImageBox*, gamenumbers::diceCount> m_dice{};
    std::array<IntervalTimer*, gamenumbers::diceCount> m_timers{};
    std::array<ImageBox*, gamenumbers::faceCount> m_faces{};
    std::array<QPushButton*, gamenumbers::boxCount> m_boxes{};
    std::array<QLabel*, gamenumbers::boxCount> m_scoreLabels{};
};

// The turn state at start-up and after every commit.
inline const QString startOfTurn =
    QStringLiteral("go! on | sheet off | holds 00000 off | spin 00000 | rolls 0");

// The top-level windows of one kind that exist now, shown or not.
template <typename Window> QList<Window*> topLevelWindows() {
    QList<Window*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget))
            windows.append(window);
    }
    return windows;
}
inline QList<Form2*> helpWindows() { return topLevelWindows<Form2>(); }
inline QList<Form3*> aboutWindows() { return topLevelWindows<Form3>(); }

// Deletes the windows that their close boxes closed, as the event loop does when it comes round.
inline void runDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
