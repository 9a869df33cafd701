#include "imagebox.h"

#include <QMouseEvent>
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

void ImageBox::paintEvent(QPaintEvent*) {
    if (!m_picture)
        return;
    const QSize size = m_stretch ? this->size() : m_picture->naturalSize();
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture->pixmap(size, devicePixelRatioF()));
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
