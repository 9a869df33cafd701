// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the die icon into files, with the game's own picture code:
//   kazoumi-icons OUTPUT-FOLDER SIZE...   one PNG a size, each drawn for its size
//   kazoumi-icons --ico FILE              the 32 x 32, 16-colour icon of the Windows executable
//   kazoumi-icons --installer FOLDER      the pictures of the Windows installer's pages

#include "pictures/diepictures.h"
#include "widgets/appearance.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>

namespace {

bool writePng(const QString& file, int size) {
    QImageWriter writer(file, "png");
    if (size > 0 && writer.write(pictures::drawDieIcon(QSize(size, size))))
        return true;
    std::fprintf(stderr, "kazoumi-icons: cannot write %s: %s\n", qPrintable(file),
                 qPrintable(writer.errorString()));
    return false;
}

// Little-endian fields, as every Windows file format stores them.
void append16(QByteArray& bytes, int value) {
    bytes.append(char(value & 0xff));
    bytes.append(char((value >> 8) & 0xff));
}

void append32(QByteArray& bytes, qint64 value) {
    append16(bytes, int(value & 0xffff));
    append16(bytes, int((value >> 16) & 0xffff));
}

// The icon as the oldest Windows icon format has it, which every Windows shows alike: one
// image at 4 bits a pixel in the standard sixteen colours, and an AND mask of zeros, since
// no pixel is transparent. Qt's own writer would store 32 bits a pixel with an alpha channel.
// Returns an empty array if the picture uses a colour outside the palette.
QByteArray sixteenColourIcon(const QImage& icon) {
    const QList<QRgb>& palette = pictures::sixteenColours();
    const int side = icon.width();
    const int colourRowBytes = side / 2; // two pixels a byte; 32 pixels fill whole DWORDs
    const int maskRowBytes = (side + 31) / 32 * 4;
    const int imageBytes = 40 + 4 * palette.size() + side * (colourRowBytes + maskRowBytes);

    QByteArray bytes;
    // The icon directory, with its one entry.
    append16(bytes, 0);
    append16(bytes, 1); // an icon, not a cursor
    append16(bytes, 1); // one image
    bytes.append(char(side));
    bytes.append(char(side));
    bytes.append(char(palette.size()));
    bytes.append(char(0));
    append16(bytes, 1); // colour planes
    append16(bytes, 4); // bits a pixel
    append32(bytes, imageBytes);
    append32(bytes, 6 + 16); // the image follows the directory and its entry

    // The image: a bitmap header whose height counts the colour rows and the mask rows.
    append32(bytes, 40);
    append32(bytes, side);
    append32(bytes, 2 * side);
    append16(bytes, 1);
    append16(bytes, 4);
    append32(bytes, 0); // not compressed
    append32(bytes, side * (colourRowBytes + maskRowBytes));
    append32(bytes, 0);
    append32(bytes, 0);
    append32(bytes, palette.size());
    append32(bytes, 0);
    for (QRgb colour : palette) {
        bytes.append(char(qBlue(colour)));
        bytes.append(char(qGreen(colour)));
        bytes.append(char(qRed(colour)));
        bytes.append(char(0));
    }
    // Rows run from the bottom up, the left pixel of each pair in the high nibble.
    for (int y = side - 1; y >= 0; --y) {
        for (int x = 0; x < side; x += 2) {
            const qsizetype left = palette.indexOf(icon.pixel(x, y));
            const qsizetype right = palette.indexOf(icon.pixel(x + 1, y));
            if (left < 0 || right < 0)
                return {};
            bytes.append(char(left << 4 | right));
        }
    }
    bytes.append(QByteArray(side * maskRowBytes, 0));
    return bytes;
}

bool writeIco(const QString& file) {
    const QByteArray icon = sixteenColourIcon(pictures::drawDieIcon(pictures::iconSize));
    if (icon.isEmpty()) {
        std::fprintf(stderr, "kazoumi-icons: the icon uses colours outside the sixteen\n");
        return false;
    }
    QFile out(file);
    if (out.open(QIODevice::WriteOnly) && out.write(icon) == icon.size() && out.flush())
        return true;
    std::fprintf(stderr, "kazoumi-icons: cannot write %s: %s\n", qPrintable(file),
                 qPrintable(out.errorString()));
    return false;
}

// A picture for the installer, the die drawn at `die` pixels in the middle of `size` pixels of
// `background` (`top` pixels from its top), as the 24-bit bitmap NSIS asks for.
bool writeInstallerPicture(const QString& file, QSize size, const QColor& background, int die,
                           int top) {
    QImage picture(size, QImage::Format_RGB888);
    picture.fill(background);
    QPainter painter(&picture);
    painter.drawImage((size.width() - die) / 2, top, pictures::drawDieIcon(QSize(die, die)));
    painter.end();
    QImageWriter writer(file, "bmp");
    if (writer.write(picture))
        return true;
    std::fprintf(stderr, "kazoumi-icons: cannot write %s: %s\n", qPrintable(file),
                 qPrintable(writer.errorString()));
    return false;
}

// The welcome and finish pages' picture (164 x 314): the die on the board's grey; the pages'
// header's (150 x 57): the die on the header's white.
bool writeInstallerPictures(const QString& folder) {
    const QDir out(folder);
    return writeInstallerPicture(out.filePath(QStringLiteral("welcome.bmp")), QSize(164, 314),
                                 appearance::lightGrey, 128, 40) &&
           writeInstallerPicture(out.filePath(QStringLiteral("header.bmp")), QSize(150, 57),
                                 Qt::white, 48, 4);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--ico"))
        return writeIco(arguments[2]) ? 0 : 1;
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--installer"))
        return writeInstallerPictures(arguments[2]) ? 0 : 1;
    if (arguments.size() < 3) {
        std::fprintf(
            stderr,
            "usage: kazoumi-icons OUTPUT-FOLDER SIZE... | --ico FILE | --installer FOLDER\n");
        return 2;
    }
    const QDir folder(arguments[1]);
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const QString file = folder.filePath(arguments[i] + QStringLiteral(".png"));
        if (!writePng(file, arguments[i].toInt()))
            return 1;
    }
    return 0;
}
