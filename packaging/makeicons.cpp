// Draws the die icon into files, with the game's own picture code:
//   kazoumi-icons OUTPUT-FOLDER SIZE...   one PNG a size, each drawn for its size
//   kazoumi-icons --ico FILE              the 32 x 32, 16-colour icon of the Windows executable

#include "pictures/diepictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

bool writeIcon(const QString& file, int size, const char* format) {
    QImageWriter writer(file, format);
    if (size > 0 && writer.write(pictures::drawDieIcon(QSize(size, size))))
        return true;
    std::fprintf(stderr, "kazoumi-icons: cannot write %s: %s\n", qPrintable(file),
                 qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--ico"))
        return writeIcon(arguments[2], 32, "ico") ? 0 : 1;
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: kazoumi-icons OUTPUT-FOLDER SIZE... | --ico FILE\n");
        return 2;
    }
    const QDir folder(arguments[1]);
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const QString file = folder.filePath(arguments[i] + QStringLiteral(".png"));
        if (!writeIcon(file, arguments[i].toInt(), "png"))
            return 1;
    }
    return 0;
}
