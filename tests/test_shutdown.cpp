// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Ending the program at any moment ends it cleanly. Each case starts this test again as a child
// process that runs the game as main() does (an application, the game window with the system's
// random source, the event loop), plays a few steps in that event loop while the dice spin under
// their real timers, and ends it with "Quitter" or a close box. The child must exit with status 0,
// which it only does when the event loop returned 0 and every window, the help and about windows
// included, was destroyed without a fault (and, under the sanitizers, without a leak), and it must
// print no warning on the way out.

#include "forms/form1.h"
#include "forms/form2.h"
#include "forms/form3.h"
#include "support/eventplayer.h"
#include "widgets/imagebox.h"
#include "widgets/intervaltimer.h"

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// The steps a child plays, one word each:
//   go, hold0 .. hold4, reset, aide, about, photo (click the about window's die picture),
//   helpok, helpclose, aboutok, aboutclose: as the player does them;
//   wait: let the event loop run for a tenth of a second;
//   quit ("Quitter") and close (the game window's close box) end the program.
class Child {
public:
    Child(Form1& board, QStringList steps) : m_board(board), m_steps(std::move(steps)) {}

    void next() {
        if (m_steps.isEmpty())
            return;
        const QString step = m_steps.takeFirst();
        QTimer::singleShot(step == QLatin1String("wait") ? 100 : 0, &m_board, [this, step] {
            play(step);
            next();
        });
    }

private:
    template <typename Window> static Window* window() {
        const QList<Window*> windows = topLevelWindows<Window>();
        if (windows.isEmpty())
            qFatal("no such window");
        return windows.first();
    }

    void menu(const char* name) { m_board.findChild<QAction*>(QLatin1String(name))->trigger(); }

    void play(const QString& step) {
        if (step == QLatin1String("go"))
            clickAsPlayer(m_board.findChild<QPushButton*>(QStringLiteral("Command1")));
        else if (step.startsWith(QLatin1String("hold")))
            clickAsPlayer(
                m_board.findChild<QCheckBox*>(QStringLiteral("Check1(%1)").arg(step.back())));
        else if (step == QLatin1String("reset") || step == QLatin1String("aide") ||
                 step == QLatin1String("about") || step == QLatin1String("quit"))
            menu(qPrintable(step));
        else if (step == QLatin1String("photo"))
            clickAsPlayer(window<Form3>()->findChild<ImageBox*>(QStringLiteral("Image1")));
        else if (step == QLatin1String("helpok"))
            clickAsPlayer(window<Form2>()->findChild<QPushButton*>(QStringLiteral("Command1")));
        else if (step == QLatin1String("aboutok"))
            clickAsPlayer(window<Form3>()->findChild<QPushButton*>(QStringLiteral("Command1")));
        else if (step == QLatin1String("helpclose"))
            window<Form2>()->close();
        else if (step == QLatin1String("aboutclose"))
            window<Form3>()->close();
        else if (step == QLatin1String("close"))
            m_board.close();
        else if (step != QLatin1String("wait"))
            qFatal("unknown step %s", qPrintable(step));
    }

    Form1& m_board;
    QStringList m_steps;
};

// The child: the game as main() runs it, with the steps played inside its event loop.
int playInChild(int argc, char** argv, const QString& steps) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    Form1 board;
    board.show();

    int ticks = 0;
    for (IntervalTimer* timer : board.findChildren<IntervalTimer*>())
        QObject::connect(timer, &IntervalTimer::tick, [&ticks] { ++ticks; });
    Child child(board, steps.split(u' ', Qt::SkipEmptyParts));
    child.next();
    // Should the program not end, give up with a status the test rejects.
    QTimer::singleShot(20000, [] { QCoreApplication::exit(3); });

    const int status = QApplication::exec();
    std::printf("ticks %d\n", ticks);
    std::fflush(stdout);
    return status;
}

// What a window system without a screen says for itself, and the lines of a memory checker the
// child may run under (its verdict is the exit status); anything else on the way out is news.
bool isExpectedNote(const QString& line) {
    static const QRegularExpression checker(QStringLiteral("^==\\d+== "));
    return line.isEmpty() || line.startsWith(QLatin1String("QStandardPaths: ")) ||
           line.startsWith(QLatin1String("This plugin does not support")) ||
           checker.match(line).hasMatch();
}

} // namespace

class ShutdownTest : public QObject {
    Q_OBJECT

private slots:
    void endsWithStatusZero_data();
    void endsWithStatusZero();
};

void ShutdownTest::endsWithStatusZero_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("spins");
    QTest::newRow("Quitter at start-up") << "quit" << false;
    QTest::newRow("close box at start-up") << "close" << false;
    QTest::newRow("Quitter while spinning, help and about shown, photo showing")
        << "aide about photo go wait quit" << true;
    QTest::newRow("close box while spinning, help hidden, about shown")
        << "aide helpok about go wait close" << true;
    QTest::newRow("Quitter while spinning, help closed by its close box, about hidden")
        << "aide about helpclose aboutok go wait quit" << true;
    QTest::newRow("close box while held dice stand, both windows closed and opened again")
        << "go wait go hold0 hold3 aide helpclose about aboutclose aide about wait close" << true;
    QTest::newRow("Quitter after a reset while the dice spin")
        << "go wait go hold1 go reset wait about aboutok quit" << true;
    QTest::newRow("the help and about close boxes do not end the program")
        << "aide about go helpclose aboutclose wait quit" << true;
}

void ShutdownTest::endsWithStatusZero() {
    QFETCH(QString, steps);
    QFETCH(bool, spins);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--play"), steps});
    QVERIFY(child.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
    const QString errors = QString::fromLocal8Bit(child.readAllStandardError());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit, qPrintable(errors));
    QVERIFY2(child.exitCode() == 0,
             qPrintable(QStringLiteral("status %1\n%2").arg(child.exitCode()).arg(errors)));

    for (const QString& line : errors.split(u'\n'))
        QVERIFY2(isExpectedNote(line), qPrintable(line));
    const QString ticks = output.section(QStringLiteral("ticks "), 1).trimmed();
    QVERIFY2(!ticks.isEmpty(), qPrintable(output));
    if (spins)
        QVERIFY2(ticks.toInt() > 0, "the dice never spun");
    else
        QCOMPARE(ticks.toInt(), 0);
}

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--play") == 0)
        return playInChild(1, argv, QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    ShutdownTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_shutdown.moc"
