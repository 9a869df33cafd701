// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QColor;
class QFont;
class QPlainTextEdit;
class QRect;
class QWidget;

// A multi-line text box that the user can read, scroll and select in but never change: no key,
// paste or drop edits it. Lines wrap at the box's width, a word too long for a line breaking
// anywhere, so the box has a vertical scroll bar and never a horizontal one. A selection shows
// the box's two colours the other way round.
QPlainTextEdit* makeReadOnlyTextBox(const char* name, const QString& text, QWidget* parent,
                                    const QRect& geometry, const QFont& font,
                                    const QColor& background, const QColor& textColour);
