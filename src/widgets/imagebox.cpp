// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imagebox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {}

void ImageBox::setPicture(const PicturePtr& picture) {
    if (picture == m_picture)
        return;
    m_picture = picture;
    update();
}

void ImageBox::setStretch(bool stretch) {
    if (stretch == m_stretch)
        return;
    m_stretch = stretch;
    update();
}

void ImageBox::paintEvent(QPaintEvent* event) {
    if (!m_picture)
        return;
    const QSize size = m_stretch ? this->size() : m_picture->naturalSize();
    const Picture::Rendering& rendering = m_picture->rendering(size, devicePixelRatioF());
    // A die's frame is repainted with every throw of the die inside it, where the frame is
    // transparent: then there is nothing to draw.
    if (!event->region().intersects(rendering.visible))
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, rendering.pixmap);
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QWidget::mousePressEvent(event);
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}
