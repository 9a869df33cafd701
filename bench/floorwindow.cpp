// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "floorwindow.h"

#include "rules/gamenumbers.h"

#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTimerEvent>

// A widget that paints one pixmap, and nothing else.
class FloorWindow::DieView : public QWidget {
public:
    explicit DieView(QWidget* parent) : QWidget(parent) {}

    void setPixmap(const QPixmap* pixmap) {
        m_pixmap = pixmap;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawPixmap(0, 0, *m_pixmap);
    }

private:
    const QPixmap* m_pixmap = nullptr;
};

namespace {

// A plain die face with `pips` dots on a transparent background, so that it is blended over the
// window like the game's dice are.
QPixmap drawFace(int pips) {
    QImage image(49, 49, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 46, 46), 6, 6);
    painter.setBrush(Qt::darkBlue);
    for (int pip = 0; pip < pips; ++pip)
        painter.drawEllipse(QPointF(10 + 29 * (pip % 2), 10 + 6 * pip), 4, 4);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

FloorWindow::FloorWindow(bool withDice, QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Floor"));
    auto* client = new QWidget(this);
    client->setFixedSize(448, 361);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    QMenu* menu = menuBar()->addMenu(QStringLiteral("Menu"));
    menu->addAction(QStringLiteral("New"));
    menu->addSeparator();
    menu->addAction(QStringLiteral("Quit"), this, &QWidget::close);

    m_button = new QPushButton(QStringLiteral("go!"), client);
    m_button->setGeometry(192, 128, 65, 25);
    if (!withDice)
        return;

    for (int k = 0; k < gamenumbers::faceCount; ++k)
        m_faces[k] = drawFace(k + 1);
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        m_dice[i] = new DieView(client);
        m_dice[i]->setGeometry(26 + 88 * i, 32, 49, 49);
        m_dice[i]->setPixmap(&m_faces[4]);
    }
    connect(m_button, &QPushButton::clicked, this, &FloorWindow::toggleSpin);
}

void FloorWindow::tick(int i) {
    m_shown[i] = (m_shown[i] + 1 + i) % gamenumbers::faceCount;
    m_dice[i]->setPixmap(&m_faces[m_shown[i]]);
}

void FloorWindow::toggleSpin() {
    const bool spinning = m_timers[0].isActive();
    for (QBasicTimer& timer : m_timers) {
        if (spinning)
            timer.stop();
        else
            timer.start(gamenumbers::spinInterval, this);
    }
    m_button->setText(spinning ? QStringLiteral("go!") : QStringLiteral("stop"));
}

void FloorWindow::timerEvent(QTimerEvent* event) {
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        if (event->timerId() == m_timers[i].timerId()) {
            tick(i);
            return;
        }
    }
    QMainWindow::timerEvent(event);
}
