// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>
#include <QString>

class QWidget;

// Gives a top-level window the program's frame: a title and a close box but no minimise or
// maximise button, the die icon and the grey of every window.
void setUpWindowFrame(QWidget* window, const char* name, const QString& title);

// A window of that frame whose client area has one fixed size, with MS Sans Serif 8.25 for every
// widget without a font of its own.
void setUpFixedWindow(QWidget* window, const char* name, const QString& title, QSize clientSize);
