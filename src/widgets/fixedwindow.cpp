// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fixedwindow.h"

#include "appearance.h"
#include "pictures/diepictures.h"

#include <QWidget>

void setUpWindowFrame(QWidget* window, const char* name, const QString& title) {
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(title);
    window->setWindowIcon(pictures::windowIcon());
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    window->setPalette(appearance::classicPalette());
}

void setUpFixedWindow(QWidget* window, const char* name, const QString& title, QSize clientSize) {
    setUpWindowFrame(window, name, title);
    window->setAutoFillBackground(true);
    window->setFont(appearance::msSansSerif(8.25));
    window->setFixedSize(clientSize);
}
