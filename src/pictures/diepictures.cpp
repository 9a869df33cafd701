// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "diepictures.h"

#include "rules/gamenumbers.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace pictures {

namespace {

// Every picture is designed on its natural pixel grid and drawn through a painter scaled to the
// size asked for, so a die shown at twice the size gets twice the detail, not blown-up pixels.
void scaledPainter(QPainter& painter, QSize natural, QSize pixels) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.scale(qreal(pixels.width()) / natural.width(),
                  qreal(pixels.height()) / natural.height());
}

QImage transparentImage(QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// ---- Faces -------------------------------------------------------------------------------------

constexpr qreal pipRadius = 7;
constexpr qreal singlePipRadius = 12;

// The pixel at the centre of each pip, by face.
const std::array<std::vector<QPoint>, gamenumbers::faceCount> pipCentres = {{
    {{29, 28}},
    {{15, 13}, {40, 44}},
    {{45, 8}, {29, 26}, {12, 45}},
    {{12, 12}, {43, 12}, {14, 43}, {40, 44}},
    {{10, 10}, {45, 9}, {27, 29}, {11, 46}, {44, 45}},
    {{14, 8}, {13, 28}, {14, 47}, {39, 10}, {38, 28}, {38, 48}},
}};

// The middle of a pixel, where a ball centred on that pixel has its centre.
QPointF middleOf(QPoint pixel) { return QPointF(pixel) + QPointF(0.5, 0.5); }

// A soft grey pool below and right of a ball, as if lit from the upper left. It is darkest where
// the ball hides it and fades towards the grey of the die at its rim.
void drawPipShadow(QPainter& painter, QPointF centre, qreal radius) {
    const QPointF shadowCentre = centre + QPointF(radius * 0.25, radius * 0.25);
    const qreal shadowRadius = radius * 1.2;
    QRadialGradient shade(shadowCentre, shadowRadius);
    shade.setColorAt(0.0, QColor(165, 165, 165));
    shade.setColorAt(0.75, QColor(170, 170, 170));
    shade.setColorAt(0.92, QColor(182, 182, 182));
    shade.setColorAt(1.0, QColor(189, 189, 189));
    painter.setBrush(shade);
    painter.drawEllipse(shadowCentre, shadowRadius, shadowRadius);
}

// A glossy blue ball: the gradient's focus sits up and left of the centre, so the light falls
// there and the colour deepens to navy towards the far rim.
void drawPip(QPainter& painter, QPointF centre, qreal radius) {
    const QPointF focus = centre - QPointF(radius * 0.4, radius * 0.45);
    QRadialGradient gloss(centre, radius, focus);
    gloss.setColorAt(0.0, QColor(214, 206, 255));
    gloss.setColorAt(0.12, QColor(164, 148, 252));
    gloss.setColorAt(0.38, QColor(72, 48, 224));
    gloss.setColorAt(0.66, QColor(33, 8, 181));
    gloss.setColorAt(0.88, QColor(16, 4, 118));
    gloss.setColorAt(1.0, QColor(8, 2, 70));
    painter.setBrush(gloss);
    painter.drawEllipse(centre, radius, radius);
}

// ---- Frame -------------------------------------------------------------------------------------

void fillPolygon(QPainter& painter, const QColor& colour, std::initializer_list<QPointF> corners) {
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF(corners));
}

// The four trapezoids of a bevel ring between the squares [outer, size - outer] and
// [inner, size - inner], top and left in one colour, right and bottom in the other.
void drawBevel(QPainter& painter, qreal size, qreal outer, qreal inner, const QColor& topLeft,
               const QColor& bottomRight) {
    const qreal a = outer, b = size - outer, c = inner, d = size - inner;
    fillPolygon(painter, topLeft, {{a, a}, {b, a}, {d, c}, {c, c}});
    fillPolygon(painter, topLeft, {{a, a}, {c, c}, {c, d}, {a, b}});
    fillPolygon(painter, bottomRight, {{b, a}, {b, b}, {d, d}, {d, c}});
    fillPolygon(painter, bottomRight, {{a, b}, {c, d}, {d, d}, {b, b}});
}

// ---- Icon --------------------------------------------------------------------------------------

// The icon's die on the 32 x 32 grid: a cube seen from above and to the right. The corners are
// pixel indices: the front face's edges run along pixels 2 and 20 across and 10 and 28 down, so
// its inside is an odd 17 pixels wide and a pip sits exactly in its middle; the top and the side
// recede by 8 pixels, leaving room for three pips in rows of their own on top.
struct CubeFaces {
    QPolygonF front, top, side;
};

CubeFaces cubeFaces(qreal shift) {
    const qreal l = 2 + shift, r = 20 + shift, t = 10 + shift, b = 28 + shift, depth = 8;
    return {
        QPolygonF({{l, t}, {r, t}, {r, b}, {l, b}}),
        // From the back left corner, so the face's own x runs left to right and y back to front.
        QPolygonF({{l + depth, t - depth}, {r + depth, t - depth}, {r, t}, {l, t}}),
        // From the front top corner, so x runs front to back and y top to bottom.
        QPolygonF({{r, t}, {r + depth, t - depth}, {r + depth, b - depth}, {r, b}}),
    };
}

// Where the pips lie on each visible face, as fractions of the face's own width and height:
// five on the front, three on top, one on the side.
const std::vector<QPointF> frontPips = {
    {0.23, 0.23}, {0.77, 0.23}, {0.5, 0.5}, {0.23, 0.77}, {0.77, 0.77}};
const std::vector<QPointF> topPips = {{0.27, 0.25}, {0.5, 0.5}, {0.73, 0.75}};
const std::vector<QPointF> sidePips = {{0.5, 0.5}};

// Maps a face's unit square onto its quadrilateral (corners in the order (0,0), (1,0), (1,1),
// (0,1)), so a round pip drawn in the square lands foreshortened on the face.
QTransform faceTransform(const QPolygonF& face) {
    QTransform transform;
    QTransform::squareToQuad(face, transform);
    return transform;
}

// ---- 32 x 32 pixel art -------------------------------------------------------------------------

// Pip shapes as pixels around the pip's middle pixel: square on the front, and on the receding
// faces squashed and slanted the way those faces are.
const std::vector<QPoint> frontBlob = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {0, 0},
                                       {1, 0},   {-1, 1}, {0, 1},  {1, 1}};
const std::vector<QPoint> topBlob = {{-1, 0}, {0, 0}, {1, 0}};
const std::vector<QPoint> sideBlob = {{0, -1}, {0, 0}, {0, 1}, {1, -2}, {1, -1}, {1, 0}};

// Stamps whole-pixel pips, so the small icon keeps crisp, even pips where smooth ellipses would
// come out ragged.
void stampPips(QImage& image, const QPolygonF& face, const std::vector<QPointF>& spots,
               const std::vector<QPoint>& blob) {
    const QTransform toFace = faceTransform(face);
    for (const QPointF& spot : spots) {
        const QPointF at = toFace.map(spot);
        const QPoint middle(qFloor(at.x()), qFloor(at.y()));
        for (const QPoint& offset : blob)
            image.setPixel(middle + offset, qRgb(0, 0, 0));
    }
}

QImage drawPixelIcon() {
    QImage image(iconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(192, 192, 192));
    {
        QPainter painter(&image);
        // Aliased filling covers the pixels whose middles lie inside, so the faces are shifted
        // half a pixel to cover the corner pixels; the edge lines then go through those pixels.
        const CubeFaces faces = cubeFaces(0.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPolygon(faces.front);
        painter.drawPolygon(faces.top);
        painter.setBrush(QColor(128, 128, 128));
        painter.drawPolygon(faces.side);

        const CubeFaces edges = cubeFaces(0);
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(edges.front);
        painter.drawPolygon(edges.top);
        painter.drawPolygon(edges.side);
    }
    // Pips are placed on the pixel grid itself, with the faces' corners at pixel middles.
    const CubeFaces grid = cubeFaces(0.5);
    stampPips(image, grid.front, frontPips, frontBlob);
    stampPips(image, grid.top, topPips, topBlob);
    stampPips(image, grid.side, sidePips, sideBlob);

    // Every pixel is already one of the sixteen colours, so the mapping is exact.
    return image.convertToFormat(QImage::Format_Indexed8, sixteenColours(),
                                 Qt::ThresholdDither | Qt::AvoidDither);
}

// ---- Smooth icon at other sizes ----------------------------------------------------------------

QLinearGradient faceShade(const QPolygonF& face, const QColor& lit, const QColor& dim) {
    const QRectF box = face.boundingRect();
    QLinearGradient shade(box.topLeft(), box.bottomRight());
    shade.setColorAt(0, lit);
    shade.setColorAt(1, dim);
    return shade;
}

void drawSmoothPips(QPainter& painter, const QPolygonF& face, const std::vector<QPointF>& spots,
                    qreal radius) {
    painter.save();
    painter.setTransform(faceTransform(face), true);
    for (const QPointF& spot : spots) {
        QRadialGradient pip(spot, radius, spot - QPointF(radius * 0.3, radius * 0.3));
        pip.setColorAt(0, QColor(96, 96, 104));
        pip.setColorAt(0.5, QColor(34, 34, 40));
        pip.setColorAt(1, QColor(12, 12, 16));
        painter.setBrush(pip);
        painter.drawEllipse(spot, radius, radius);
    }
    painter.restore();
}

QImage drawSmoothIcon(QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter painter(&image);
    // The cube's edges are whole multiples of 1/16 of the picture, so once its front corner sits
    // on a pixel's middle every edge does at the usual icon sizes, and the outline stays sharp.
    const qreal scale = qreal(pixels.width()) / iconSize.width();
    const qreal corner = 2.5 * scale;
    painter.translate(std::floor(corner) + 0.5 - corner, std::floor(corner) + 0.5 - corner);
    scaledPainter(painter, iconSize, pixels);

    const CubeFaces faces = cubeFaces(0.5);
    painter.setBrush(faceShade(faces.front, QColor(255, 255, 255), QColor(222, 222, 222)));
    painter.drawPolygon(faces.front);
    painter.setBrush(faceShade(faces.top, QColor(255, 255, 255), QColor(236, 236, 236)));
    painter.drawPolygon(faces.top);
    painter.setBrush(faceShade(faces.side, QColor(168, 168, 168), QColor(122, 122, 122)));
    painter.drawPolygon(faces.side);

    // The outline is a pixel wide in the small icons, so their edges stay sharp, and grows in
    // proportion in the large ones.
    const qreal lineWidth = std::max(0.6, 32.0 / pixels.width());
    painter.setPen(QPen(QColor(30, 30, 34), lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(faces.front);
    painter.drawPolygon(faces.top);
    painter.drawPolygon(faces.side);
    painter.setPen(Qt::NoPen);

    drawSmoothPips(painter, faces.front, frontPips, 0.09);
    drawSmoothPips(painter, faces.top, topPips, 0.1);
    drawSmoothPips(painter, faces.side, sidePips, 0.13);
    return image;
}

} // namespace

const QList<QRgb>& sixteenColours() {
    static const QList<QRgb> colours = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return colours;
}

QImage drawDieFace(int face, QSize pixels) {
    QImage image = transparentImage(pixels);
    if (face < 1 || face > gamenumbers::faceCount)
        return image;
    QPainter painter(&image);
    scaledPainter(painter, faceSize, pixels);

    const std::vector<QPoint>& centres = pipCentres[face - 1];
    // The lone pip of face 1 is bigger and casts no shadow; the others sit in grey pools, all
    // drawn before any ball so no shadow falls across a neighbouring ball.
    if (face == 1) {
        drawPip(painter, middleOf(centres.front()), singlePipRadius);
        return image;
    }
    for (const QPoint& centre : centres)
        drawPipShadow(painter, middleOf(centre), pipRadius);
    for (const QPoint& centre : centres)
        drawPip(painter, middleOf(centre), pipRadius);
    return image;
}

QImage drawDieFrame(QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter painter(&image);
    scaledPainter(painter, frameSize, pixels);
    const qreal size = frameSize.width();

    // A mid-gold band under everything, so the bevels' antialiased joins show gold, not holes.
    QPainterPath band;
    band.addRect(0, 0, size, size);
    band.addRect(8, 8, size - 16, size - 16);
    painter.setBrush(QColor(214, 164, 52));
    painter.drawPath(band);

    // Raised: lit outside at the top left, shaded outside at the bottom right, and the reverse
    // on the inner rim where the band drops back to the die.
    drawBevel(painter, size, 0, 1, QColor(252, 220, 120), QColor(63, 51, 21));
    drawBevel(painter, size, 1, 2, QColor(247, 202, 84), QColor(104, 82, 30));
    drawBevel(painter, size, 2, 6, QColor(228, 180, 64), QColor(196, 148, 44));
    drawBevel(painter, size, 6, 7, QColor(112, 88, 32), QColor(222, 176, 62));
    drawBevel(painter, size, 7, 8, QColor(63, 51, 21), QColor(247, 202, 84));
    return image;
}

QImage drawDieIcon(QSize pixels) {
    if (pixels == iconSize)
        return drawPixelIcon();
    return drawSmoothIcon(pixels);
}

PicturePtr dieFace(int face) {
    return std::make_shared<Picture>(faceSize,
                                     [face](QSize pixels) { return drawDieFace(face, pixels); });
}

PicturePtr dieFrame() { return std::make_shared<Picture>(frameSize, drawDieFrame); }

PicturePtr dieIcon() { return std::make_shared<Picture>(iconSize, drawDieIcon); }

QIcon windowIcon() {
    // The sizes a title bar and a task bar ask for.
    // The larger ones, for launchers and software centres, are installed as files: drawing them
    // here would slow every window's start.
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(QPixmap::fromImage(drawDieIcon(QSize(size, size))));
    return icon;
}

} // namespace pictures
