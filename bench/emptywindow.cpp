// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A Qt Widgets window that does nothing, in the game's style: the Windows build links it like the
// game, so that the stripped kazoumi.exe can be weighed against what Qt alone brings.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return app.exec();
}
