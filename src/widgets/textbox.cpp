// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textbox.h"

#include "appearance.h"

#include <QPlainTextEdit>
#include <QScrollBar>

QPlainTextEdit* makeReadOnlyTextBox(const char* name, const QString& text, QWidget* parent,
                                    const QRect& geometry, const QFont& font,
                                    const QColor& background, const QColor& textColour) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setFont(font);
    box->setPlainText(text);

    box->setReadOnly(true);
    // Read-only still lets the keyboard move the caret, select and scroll, as the mouse can.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setAcceptDrops(false);
    box->viewport()->setAcceptDrops(false);
    box->setUndoRedoEnabled(false);
    // Tab leaves the box for the next widget instead of being swallowed by it.
    box->setTabChangesFocus(true);
    box->setFocusPolicy(Qt::StrongFocus);

    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    appearance::setColours(box, background, textColour);
    QPalette palette = box->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, textColour);
        palette.setColor(group, QPalette::HighlightedText, background);
    }
    box->setPalette(palette);
    // The scroll bar keeps the window's grey, not the box's colours.
    box->verticalScrollBar()->setPalette(parent->palette());
    return box;
}
