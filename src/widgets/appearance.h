// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

// The look shared by the three windows: their three colours and their fonts.
namespace appearance {

inline const QColor lightGrey(192, 192, 192);
inline const QColor navy(0, 0, 128);
inline const QColor darkYellow(192, 192, 0);

// The windows are laid out for "MS Sans Serif": on Windows its TrueType twin "Microsoft Sans
// Serif" draws it; elsewhere Liberation Sans has the same widths and keeps every caption inside
// its box.
QFont msSansSerif(qreal points, bool bold = false);
// The tiny font of the fine print, mapped the same way.
QFont smallFonts(qreal points);

// A grey window with black text, the same whatever the desktop's theme.
QPalette classicPalette();
// Fills the widget with one colour and writes on it in another, also while it is disabled:
// a score must stay readable on a sheet that cannot be clicked.
void setColours(QWidget* widget, const QColor& background, const QColor& text);

} // namespace appearance
