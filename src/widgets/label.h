// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QFont;
class QLabel;
class QRect;
class QWidget;

// A label of the program's windows: its caption starts at the top-left corner and wraps at word
// boundaries within the label's width.
QLabel* makeLabel(const char* name, const QString& caption, QWidget* parent, const QRect& geometry,
                  const QFont& font);
