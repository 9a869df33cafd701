// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pictures/picture.h"

#include <QString>
#include <QWidget>

// A picture on a window: it shows a shared Picture, either stretched to the box or at its
// natural size from the top-left corner, lets what lies behind show through its transparent
// parts, carries a free Tag text, and reports clicks.
class ImageBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Tag READ tag WRITE setTag)
    Q_PROPERTY(bool Stretch READ stretches WRITE setStretch)

public:
    explicit ImageBox(QWidget* parent = nullptr);

    const PicturePtr& picture() const { return m_picture; }
    void setPicture(const PicturePtr& picture);

    const QString& tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    bool stretches() const { return m_stretch; }
    void setStretch(bool stretch);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PicturePtr m_picture;
    QString m_tag;
    bool m_stretch = false;
    bool m_pressed = false;
};
