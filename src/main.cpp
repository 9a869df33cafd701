// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Also the class of the X11 window, which the desktop entry names as its StartupWMClass.
    QApplication::setApplicationName(QStringLiteral("kazoumi"));
    QApplication::setApplicationVersion(QStringLiteral(KAZOUMI_VERSION_TEXT));
    // On Wayland the desktop finds the window's icon and its menu entry through this id alone.
    QApplication::setDesktopFileName(QStringLiteral(KAZOUMI_APP_ID));
    QApplication::setStyle(QStringLiteral("Fusion"));

    Form1 board;
    board.show();
    return app.exec();
}
