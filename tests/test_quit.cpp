// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Closing the game window and "Quitter" both end the program: the event loop the program runs in
// returns at once with 0, even while another window of the program is still open and while the
// dice spin.

#include "support/boarddriver.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

class QuitTest : public QObject {
    Q_OBJECT

private slots:
    void endsTheProgram_data();
    void endsTheProgram();
};

void QuitTest::endsTheProgram_data() {
    QTest::addColumn<bool>("viaMenu");
    QTest::addColumn<bool>("spinning");
    QTest::newRow("close box") << false << false;
    QTest::newRow("close box while the dice spin") << false << true;
    QTest::newRow("Quitter") << true << false;
    QTest::newRow("Quitter while the dice spin") << true << true;
}

void QuitTest::endsTheProgram() {
    QFETCH(bool, viaMenu);
    QFETCH(bool, spinning);
    BoardDriver board;
    // Another window of the program left open, as the help window may be: closing the last window
    // is not what ends the program.
    QWidget otherWindow;
    otherWindow.show();
    if (spinning)
        board.clickRoll();

    // With the dice spinning, let them tick a few times first.
    QTimer::singleShot(spinning ? 100 : 0, &board.form(), [&board, viaMenu] {
        if (viaMenu)
            board.triggerMenu("quit");
        else
            board.form().close();
    });
    // Should the program not end, give up after five seconds with a code the test rejects.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    giveUp.start(5000);

    QElapsedTimer clock;
    clock.start();
    const int exitCode = QCoreApplication::exec();
    qInfo("the event loop returned %d after %lld ms", exitCode, clock.elapsed());
    QCOMPARE(exitCode, 0);
    QVERIFY(giveUp.isActive());
    if (spinning)
        QVERIFY(board.script().drawn > 0);
}

QTEST_MAIN(QuitTest)
#include "test_quit.moc"
