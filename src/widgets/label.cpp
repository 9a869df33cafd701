// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label.h"

#include <QLabel>

namespace {

// The window is laid out for MS Sans Serif, and the font standing in for it can be a little
// wider. A caption that would then wrap onto a line its label cannot show is narrowed, just
// enough to fit.
void condenseToFit(QLabel* label) {
    QFont font = label->font();
    for (int stretch = 99; stretch >= 85 && label->heightForWidth(label->width()) > label->height();
         --stretch) {
        font.setStretch(stretch);
        label->setFont(font);
    }
}

} // namespace

QLabel* makeLabel(const char* name, const QString& caption, QWidget* parent, const QRect& geometry,
                  const QFont& font) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    condenseToFit(label);
    return label;
}
