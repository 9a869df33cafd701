// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appearance.h"

#include <QStringList>
#include <QWidget>

namespace appearance {

namespace {

QStringList familiesFor(const QString& family) {
#ifdef Q_OS_WIN
    // Windows still has "MS Sans Serif" and "Small Fonts", but as bitmaps drawn for a few sizes
    // at 96 dots an inch; its TrueType "Microsoft Sans Serif" has the widths of MS Sans Serif at
    // every size and display scale, and is smoothed like the rest of the desktop.
    return {QStringLiteral("Microsoft Sans Serif"), family, QStringLiteral("Tahoma"),
            QStringLiteral("Arial")};
#else
    return {family, QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
            QStringLiteral("Arial")};
#endif
}

QFont mappedFont(const QString& family, qreal points, bool bold) {
    QFont font;
    font.setFamilies(familiesFor(family));
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace

QFont msSansSerif(qreal points, bool bold) {
    return mappedFont(QStringLiteral("MS Sans Serif"), points, bold);
}

QFont smallFonts(qreal points) { return mappedFont(QStringLiteral("Small Fonts"), points, false); }

QPalette classicPalette() {
    // Derived from the button face, so window, buttons and bevels are all the same grey.
    QPalette palette(lightGrey);
    // Captions stay black even in a disabled frame; a disabled button or box greys its text, so
    // a used box of the score sheet looks used.
    palette.setColor(QPalette::WindowText, Qt::black);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::ButtonText, Qt::black);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Highlight, navy);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

void setColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
            palette.setColor(group, role, background);
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
            palette.setColor(group, role, text);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace appearance
