#include "windows/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kazoumi"));
    QApplication::setApplicationVersion(QStringLiteral(KAZOUMI_VERSION_TEXT));
    QApplication::setStyle(QStringLiteral("Fusion"));

    Form1 board;
    board.show();
    return app.exec();
}
