// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Paints the author's photo for the about window and writes it as a baseline colour JPEG:
//   makephoto <output.jpg> [<decoded.png>]
// The build runs it once; the game carries the JPEG it writes and decodes that at run time. A
// build whose Qt reads no JPEG (the Windows one) carries the second file instead: the JPEG as
// decoded, written losslessly as a PNG, so that it shows the same pixels.

#include "pictures/authorphoto.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

using pictures::photoSize;

// The colours of the portrait.
const QColor backdropLight(176, 212, 236);
const QColor backdropDark(74, 118, 170);
const QColor hairColour(122, 62, 30);
const QColor hairLight(168, 96, 48);
const QColor skin(248, 213, 184);
const QColor skinShadow(222, 176, 146);
const QColor sweater(196, 40, 82);
const QColor sweaterDark(150, 26, 60);
const QColor eyeColour(64, 118, 70);
const QColor browColour(96, 50, 26);
const QColor lipColour(206, 76, 92);

// A studio backdrop, lighter behind the head.
void paintBackdrop(QPainter& painter) {
    QRadialGradient light(QPointF(175, 190), 330);
    light.setColorAt(0, backdropLight);
    light.setColorAt(1, backdropDark);
    painter.fillRect(QRect(QPoint(0, 0), photoSize), light);
}

QLinearGradient hairGradient() {
    QLinearGradient gradient(QPointF(90, 0), QPointF(260, 0));
    gradient.setColorAt(0, hairColour);
    gradient.setColorAt(0.35, hairLight);
    gradient.setColorAt(1, hairColour);
    return gradient;
}

// Shoulders in a sweater with a white band of diamonds across the chest.
void paintSweater(QPainter& painter) {
    QPainterPath body;
    body.moveTo(0, 485);
    body.lineTo(0, 440);
    body.cubicTo(12, 386, 62, 366, 132, 352);
    body.cubicTo(150, 374, 200, 374, 218, 352);
    body.cubicTo(288, 366, 338, 386, 350, 440);
    body.lineTo(350, 485);
    body.closeSubpath();
    painter.fillPath(body, sweater);

    painter.save();
    painter.setClipPath(body);
    painter.fillRect(QRectF(0, 428, 350, 30), QColor(250, 246, 240));
    painter.setBrush(sweater);
    for (int x = 0; x <= 350; x += 28) {
        const QPointF diamond[] = {
            {x + 14.0, 432}, {x + 24.0, 443}, {x + 14.0, 454}, {x + 4.0, 443}};
        painter.drawPolygon(diamond, 4);
    }
    painter.restore();
}

// The ribbed collar, drawn over the bottom of the neck.
void paintCollar(QPainter& painter) {
    QPainterPath collar;
    collar.moveTo(128, 350);
    collar.cubicTo(148, 380, 202, 380, 222, 350);
    painter.strokePath(collar, QPen(sweaterDark, 14, Qt::SolidLine, Qt::RoundCap));
}

// The long hair that hangs behind the head and falls over the shoulders.
void paintBackHair(QPainter& painter) {
    QPainterPath hair;
    hair.moveTo(175, 80);
    hair.cubicTo(96, 80, 76, 150, 80, 230);
    hair.cubicTo(84, 300, 56, 360, 70, 408);
    hair.cubicTo(100, 418, 134, 412, 136, 356);
    hair.lineTo(214, 356);
    hair.cubicTo(216, 412, 250, 418, 280, 408);
    hair.cubicTo(294, 360, 266, 300, 270, 230);
    hair.cubicTo(274, 150, 254, 80, 175, 80);
    painter.fillPath(hair, hairGradient());
}

void paintNeck(QPainter& painter) {
    QLinearGradient shade(QPointF(0, 280), QPointF(0, 330));
    shade.setColorAt(0, skinShadow);
    shade.setColorAt(1, skin);
    painter.fillRect(QRectF(148, 270, 54, 98), shade);
}

void paintFace(QPainter& painter) {
    painter.setBrush(skin);
    painter.drawEllipse(QRectF(98, 196, 20, 36));
    painter.drawEllipse(QRectF(232, 196, 20, 36));
    painter.drawEllipse(QRectF(106, 120, 138, 184));

    // Rosy cheeks.
    for (qreal x : {134.0, 216.0}) {
        QRadialGradient blush(QPointF(x, 252), 20);
        blush.setColorAt(0, QColor(240, 128, 128, 120));
        blush.setColorAt(1, QColor(240, 128, 128, 0));
        painter.setBrush(blush);
        painter.drawEllipse(QPointF(x, 252), 20, 20);
    }

    // A few freckles over the nose.
    painter.setBrush(QColor(214, 154, 124));
    for (QPointF freckle : {QPointF(158, 240), QPointF(164, 234), QPointF(152, 236),
                            QPointF(192, 240), QPointF(186, 234), QPointF(198, 236)})
        painter.drawEllipse(freckle, 1.8, 1.8);
}

// Side-swept bangs over the forehead.
void paintBangs(QPainter& painter) {
    QPainterPath bangs;
    bangs.moveTo(100, 216);
    bangs.cubicTo(94, 124, 136, 94, 175, 94);
    bangs.cubicTo(226, 94, 260, 126, 250, 216);
    bangs.cubicTo(244, 174, 232, 154, 212, 144);
    bangs.cubicTo(196, 166, 160, 176, 138, 164);
    bangs.cubicTo(120, 176, 108, 192, 100, 216);
    painter.fillPath(bangs, hairGradient());

    // A darker edge where the fringe lies on the forehead.
    QPainterPath fringe;
    fringe.moveTo(250, 216);
    fringe.cubicTo(244, 174, 232, 154, 212, 144);
    fringe.cubicTo(196, 166, 160, 176, 138, 164);
    fringe.cubicTo(120, 176, 108, 192, 100, 216);
    painter.strokePath(fringe, QPen(QColor(96, 46, 22), 2));
}

void paintEye(QPainter& painter, QPointF centre) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 18, 12);
    painter.setBrush(eyeColour);
    painter.drawEllipse(centre, 10, 10);
    painter.setBrush(QColor(24, 20, 20));
    painter.drawEllipse(centre, 4.5, 4.5);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre + QPointF(-3, -3), 2.5, 2.5);

    // The upper lid and its lashes.
    QPainterPath lid;
    lid.moveTo(centre + QPointF(-19, 2));
    lid.cubicTo(centre + QPointF(-10, -15), centre + QPointF(10, -15), centre + QPointF(19, 2));
    painter.strokePath(lid, QPen(QColor(40, 26, 20), 4, Qt::SolidLine, Qt::RoundCap));
}

void paintFeatures(QPainter& painter) {
    paintEye(painter, QPointF(146, 214));
    paintEye(painter, QPointF(204, 214));

    const QPen brow(browColour, 5, Qt::SolidLine, Qt::RoundCap);
    QPainterPath brows;
    brows.moveTo(128, 192);
    brows.quadTo(146, 180, 164, 189);
    brows.moveTo(186, 189);
    brows.quadTo(204, 180, 222, 192);
    painter.strokePath(brows, brow);

    QPainterPath nose;
    nose.moveTo(176, 222);
    nose.cubicTo(172, 238, 166, 248, 172, 252);
    nose.quadTo(178, 255, 184, 251);
    painter.strokePath(nose, QPen(skinShadow.darker(115), 2.5, Qt::SolidLine, Qt::RoundCap));

    // A wide open smile showing the teeth.
    QPainterPath mouth;
    mouth.moveTo(150, 266);
    mouth.quadTo(175, 274, 200, 266);
    mouth.quadTo(175, 302, 150, 266);
    painter.fillPath(mouth, QColor(128, 30, 42));
    painter.save();
    painter.setClipPath(mouth);
    painter.fillRect(QRectF(140, 260, 70, 15), Qt::white);
    painter.restore();
    painter.strokePath(mouth, QPen(lipColour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QImage paintPortrait() {
    QImage image(photoSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    paintBackdrop(painter);
    paintSweater(painter);
    paintBackHair(painter);
    paintNeck(painter);
    paintCollar(painter);
    paintFace(painter);
    paintBangs(painter);
    paintFeatures(painter);
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    // Nothing is shown: the painting needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: makephoto <output.jpg> [<decoded.png>]\n");
        return 2;
    }
    const QString jpeg = QString::fromLocal8Bit(argv[1]);
    QImageWriter writer(jpeg, "jpg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(paintPortrait())) {
        std::fprintf(stderr, "makephoto: %s\n", qPrintable(writer.errorString()));
        return 1;
    }
    if (argc == 3) {
        QImageWriter png(QString::fromLocal8Bit(argv[2]), "png");
        if (!png.write(QImage(jpeg, "jpg"))) {
            std::fprintf(stderr, "makephoto: %s\n", qPrintable(png.errorString()));
            return 1;
        }
    }
    return 0;
}
