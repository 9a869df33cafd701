// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu: a new game, the help and about windows, and the end of the program.

#include "form1.h"
#include "form2.h"
#include "form3.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

void Form1::reset_Click() {
    takeFocusFrom(focusOrder);
    for (const SheetBox& box : sheetBoxes)
        labelOf(box)->clear();
    Label9->clear();
    Label11->clear();
    lblbonus->setVisible(false);
    for (const SheetBox& box : sheetBoxes)
        buttonOf(box)->setEnabled(true);
    total = 0;
    uppertotal = 0;
    rolls = 0;
    boxscore = 0;
    releaseHolds();
    // A new game starts at the roll button, or at the first box when no roll is left.
    passFocusOn(Command1);
    tellNewGame();
}

namespace {

// There is one window of each kind. It is made when first asked for, as a top-level window of its
// own that the game window does not own; its close box destroys it, so the next request makes
// it afresh. Asking for a window that is already shown only brings it to the front.
template <typename Window> void showSingleWindow(QPointer<Window>& window) {
    // A window closed by its close box is deleted when the event loop comes round; asked for
    // before that, it goes now and a fresh one is made.
    if (window)
        QCoreApplication::sendPostedEvents(window, QEvent::DeferredDelete);
    if (!window) {
        window = new Window;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void Form1::about_Click() { showSingleWindow(aboutWindow); }

void Form1::aide_Click() { showSingleWindow(helpWindow); }

void Form1::quit_Click() {
    // Ends the program at once: the event loop returns, and main destroys every window.
    QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing the game window ends the program, even while the help or about window is open.
    event->accept();
    quit_Click();
}

// The help and about windows have no parent to take them down: they go with the game window.
Form1::~Form1() {
    delete helpWindow;
    delete aboutWindow;
}
