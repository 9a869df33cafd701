// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any sequence of clicks and ticks keeps the game sound. Random sequences drawn from everything a
// player can do (the game window's buttons and hold boxes, enabled or not, single ticks of the
// dice, the menu, the help and about windows' buttons, pictures and close boxes, and the two ways
// out) are played on the real windows, and after every step the board must agree with an
// independent model of the game and keep the rules that hold in every state.
//
// A failing sequence is reported with its seed and its shortest failing prefix, and replays alone
// with the variables below. The default run plays 200 sequences of 500 steps from seed 1.
//   KAZOUMI_SEED=n         first seed (in a soak, the default is taken from the clock)
//   KAZOUMI_SEQUENCES=n    how many sequences
//   KAZOUMI_STEPS=n        steps of a sequence, the last one ending the program
//   KAZOUMI_PREFIX=n       play only the first n steps of each sequence
//   KAZOUMI_SOAK_STEPS=n   keep drawing sequences until n steps have been played

#include "forms/form2.h"
#include "forms/form3.h"
#include "support/eventplayer.h"
#include "widgets/imagebox.h"
#include "widgets/intervaltimer.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <optional>

namespace {

qint64 setting(const char* name, qint64 fallback) {
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

// What a run of sequences went through, for the report.
struct Tally {
    qint64 sequences = 0;
    qint64 steps = 0;
    qint64 commits = 0;
    qint64 gamesFinished = 0;
    qint64 bonuses = 0;
    qint64 endedByQuitter = 0;
};

// One step as it was played: the event and the throws it made.
struct Step {
    Event event;
    std::vector<Throw> throws;
};

QString describe(const Step& step) {
    QString text = eventName(step.event);
    if (!step.throws.empty()) {
        QStringList faces;
        for (const Throw& t : step.throws)
            faces << QString::number(t.face);
        text += QStringLiteral(" [%1]").arg(faces.join(u' '));
    }
    return text;
}

QString describe(const QList<Step>& steps) {
    QStringList text;
    for (const Step& step : steps)
        text << describe(step);
    return text.join(QStringLiteral(", "));
}

struct Failure {
    QList<Step> steps; // up to the one that failed (all of them, when the failure came after)
    QStringList problems;
};

const QString outlived = QStringLiteral("a help or about window outlived the game window");

// Plays the first `prefix` steps of the sequence drawn from `seed`; the sequence's last step, if
// reached, ends the program. Then the game window goes, and takes every other window with it.
std::optional<Failure> playSequence(quint64 seed, int steps, int prefix, Tally* tally = nullptr) {
    EventSource source(seed);
    QList<Step> played;
    std::optional<Failure> failure;
    {
        EventPlayer player;
        for (int n = 0; n < prefix && !player.ended(); ++n) {
            const BoardState& state = player.model().state();
            EventSource::Board hint{state.faces, {}, state.spinning};
            for (int b = 0; b < gamenumbers::boxCount; ++b)
                hint.freeBoxes[b] = state.scores[b] < 0;
            int favoured = 0;
            while (favoured < gamenumbers::upperBoxCount && state.scores[favoured] >= 0)
                ++favoured;
            Step& step = played.emplace_back();
            step.event = n == steps - 1 ? source.nextEnding() : source.nextEvent(hint);
            const QStringList problems = player.play(step.event, [&source, &step, favoured] {
                return step.throws.emplace_back(
                    source.nextThrow(favoured < gamenumbers::upperBoxCount ? favoured + 1 : 0));
            });
            if (!problems.isEmpty()) {
                failure = Failure{played, problems};
                break;
            }
            if (tally) {
                ++tally->steps;
                tally->endedByQuitter += step.event.action == Action::Quit;
            }
        }
        if (tally) {
            ++tally->sequences;
            tally->commits += player.model().commits();
            tally->gamesFinished += player.model().gamesFinished();
            tally->bonuses += player.model().bonuses();
        }
    }
    if (!failure && (!helpWindows().isEmpty() || !aboutWindows().isEmpty()))
        failure = Failure{played, {outlived}};
    return failure;
}

// Plays recorded steps on a fresh board, each with its own throws (a throw it did not make before
// lands on face 1); returns whether anything went wrong.
bool fails(const QList<Step>& steps) {
    {
        EventPlayer player;
        for (const Step& step : steps) {
            if (player.ended())
                break;
            std::size_t next = 0;
            const QStringList problems = player.play(step.event, [&step, &next] {
                return next < step.throws.size() ? step.throws[next++] : throwFromCode(0);
            });
            if (!problems.isEmpty())
                return true;
        }
    }
    return !helpWindows().isEmpty() || !aboutWindows().isEmpty();
}

// Leaves out ever smaller runs of steps for as long as what remains still fails, to show the few
// steps that matter.
QList<Step> reduce(QList<Step> steps) {
    for (qsizetype before = 0; before != steps.size();) {
        before = steps.size();
        for (qsizetype chunk = steps.size() / 2; chunk >= 1; chunk /= 2) {
            for (qsizetype at = 0; at + chunk <= steps.size();) {
                QList<Step> shorter = steps;
                shorter.remove(at, chunk);
                if (fails(shorter))
                    steps = shorter;
                else
                    at += chunk;
            }
        }
    }
    return steps;
}

// The report of a failing sequence: replaying it from the start with ever longer prefixes finds
// the shortest one that fails, and leaving steps out of that prefix the few that make it fail.
QString report(quint64 seed, int steps, const Failure& failure) {
    Failure shortest = failure;
    for (int n = 1; n <= failure.steps.size(); ++n) {
        if (auto again = playSequence(seed, steps, n)) {
            shortest = *again;
            break;
        }
    }
    const qsizetype prefix = shortest.steps.size();
    return QStringLiteral("seed %1 fails at step %2 (%3):\n  %4\n"
                          "shortest failing prefix, %5 steps:\n  %6\n"
                          "the steps of it that make it fail:\n  %7\n"
                          "replay: KAZOUMI_SEED=%1 KAZOUMI_SEQUENCES=1 KAZOUMI_STEPS=%8 "
                          "KAZOUMI_PREFIX=%5")
        .arg(seed)
        .arg(failure.steps.size())
        .arg(failure.problems == QStringList{outlived} ? QStringLiteral("after the end")
                                                       : describe(failure.steps.last()),
             shortest.problems.join(QStringLiteral("\n  ")))
        .arg(prefix)
        .arg(describe(shortest.steps), describe(reduce(shortest.steps)))
        .arg(steps);
}

// A sequence written out by hand, with the faces its throws land on.
struct Scripted {
    QList<Event> events;
    QList<int> faces;
};

Event roll() { return {Action::Roll, 0}; }
Event hold(int die) { return {Action::Hold, die}; }
Event box(const char* name) {
    return {Action::Box,
            static_cast<int>(&BoardDriver::sheetBox(name) - BoardDriver::sheetBoxes().data())};
}
Event tick(int die) { return {Action::Tick, die}; }
Event menu(Action item) { return {item, 0}; }
QList<Event> tickAll() { return {tick(0), tick(1), tick(2), tick(3), tick(4)}; }

} // namespace

using Damage = std::function<void(BoardDriver&)>;

Q_DECLARE_METATYPE(Scripted)
Q_DECLARE_METATYPE(Damage)

class EventSequencesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { silenceWindowSystemNotes(); }
    void randomSequencesKeepTheGameSound();
    void handWrittenSequences_data();
    void handWrittenSequences();
    void checkerSeesADamagedBoard_data();
    void checkerSeesADamagedBoard();
};

void EventSequencesTest::randomSequencesKeepTheGameSound() {
    const qint64 soakSteps = setting("KAZOUMI_SOAK_STEPS", 0);
    const quint64 firstSeed = static_cast<quint64>(
        setting("KAZOUMI_SEED", soakSteps > 0 ? QDateTime::currentMSecsSinceEpoch() : 1));
    const qint64 sequences = setting("KAZOUMI_SEQUENCES", soakSteps > 0 ? 0 : 200);
    const int steps = static_cast<int>(qMax<qint64>(1, setting("KAZOUMI_STEPS", 500)));
    const int prefix =
        static_cast<int>(std::clamp<qint64>(setting("KAZOUMI_PREFIX", steps), 1, steps));

    Tally tally;
    QElapsedTimer clock;
    clock.start();
    quint64 seed = firstSeed;
    for (; tally.sequences < sequences || tally.steps < soakSteps; ++seed) {
        if (auto failure = playSequence(seed, steps, prefix, &tally))
            QFAIL(qPrintable(report(seed, steps, *failure)));
    }
    qInfo("%lld sequences of %d steps, seeds %llu to %llu: %lld steps, %lld commits, %lld games "
          "finished, %lld bonuses, %lld ended by Quitter, in %lld ms",
          tally.sequences, prefix, firstSeed, seed - 1, tally.steps, tally.commits,
          tally.gamesFinished, tally.bonuses, tally.endedByQuitter, clock.elapsed());
    QVERIFY(tally.steps > 0);
}

void EventSequencesTest::handWrittenSequences_data() {
    QTest::addColumn<Scripted>("sequence");
    const Event reset = menu(Action::Reset);
    const Event about = menu(Action::About);
    const Event aide = menu(Action::Aide);

    QTest::newRow("every box and hold while the sheet is off")
        << Scripted{{box("un"), box("six"), box("par3"), box("chance"), box("kazoumi"), hold(0),
                     hold(4), tick(2), roll(), hold(1), box("full"), roll(), box("full")},
                    {2, 2, 2, 3, 3}};
    QTest::newRow("stop before any tick throws every die")
        << Scripted{{roll(), roll(), box("chance"), roll(), tick(0), roll()}, {1, 2, 3, 4, 5, 6}};
    QTest::newRow("stop throws the dice that never ticked; held dice keep their faces")
        << Scripted{QList<Event>{roll(), tick(0), tick(3), roll(), hold(1), hold(2), roll()} +
                        tickAll() + QList<Event>{roll()},
                    {6, 6, 1, 2, 3, 4, 5, 6}};
    QTest::newRow("reset after the third roll keeps the roll button off until a commit")
        << Scripted{QList<Event>{roll()} + tickAll() +
                        QList<Event>{roll(), roll(), tick(1), roll(), roll(), roll(), reset, roll(),
                                     roll(), box("un"), roll()},
                    {1, 1, 1, 1, 1, 5}};
    QTest::newRow("reset while held dice spin releases them") << Scripted{
        QList<Event>{roll()} + tickAll() + QList<Event>{roll(), hold(0), hold(3), roll(), reset} +
            tickAll() + QList<Event>{roll(), box("cinq")},
        {5, 5, 5, 5, 5, 1, 2, 3, 4, 5}};
    QTest::newRow("a commit while the dice spin; the next stop is roll 1")
        << Scripted{QList<Event>{roll()} + tickAll() +
                        QList<Event>{roll(), hold(2), roll(), tick(0), box("kazoumi"), tick(2),
                                     roll(), roll(), roll()},
                    {3, 3, 3, 3, 3, 3, 4}};
    QTest::newRow("the help window: ok hides it, the close box destroys it")
        << Scripted{{aide, aide, menu(Action::HelpOk), menu(Action::HelpOk), aide,
                     menu(Action::HelpCloseBox), menu(Action::HelpCloseBox), menu(Action::HelpOk),
                     aide, menu(Action::HelpOk), menu(Action::HelpCloseBox), aide},
                    {}};
    QTest::newRow("the about window keeps its picture through ok, not through the close box")
        << Scripted{{menu(Action::AboutPhoto), about, menu(Action::AboutDie), menu(Action::AboutOk),
                     menu(Action::AboutPhoto), about, menu(Action::AboutPhoto),
                     menu(Action::AboutDie), menu(Action::AboutCloseBox), about,
                     menu(Action::AboutPhoto), menu(Action::AboutPhoto)},
                    {}};
    QTest::newRow("the game goes on with both windows open")
        << Scripted{QList<Event>{aide, about, menu(Action::AboutDie), roll()} + tickAll() +
                        QList<Event>{menu(Action::Idle), roll(), menu(Action::HelpOk), box("six"),
                                     menu(Action::Idle), menu(Action::AboutCloseBox), aide},
                    {6, 6, 6, 6, 6}};
    QTest::newRow("Quitter while the dice spin, both windows open") << Scripted{
        {aide, about, menu(Action::AboutDie), roll(), tick(0), menu(Action::Quit)}, {4}};
    QTest::newRow("the game window's close box, help hidden, photo showing")
        << Scripted{{aide, menu(Action::HelpOk), about, menu(Action::AboutDie), roll(), tick(4),
                     menu(Action::GameCloseBox)},
                    {2}};
    QTest::newRow("Quitter after the about window was closed and the help window hidden")
        << Scripted{
               {about, menu(Action::AboutCloseBox), aide, menu(Action::HelpOk), menu(Action::Quit)},
               {}};
}

// Sequences that reach the corners of the rules on purpose; the model and the rules are checked
// after every step, as in the random sequences.
void EventSequencesTest::handWrittenSequences() {
    QFETCH(Scripted, sequence);
    {
        EventPlayer player;
        qsizetype nextFace = 0;
        auto nextThrow = [&sequence, &nextFace] {
            const int face = sequence.faces.value(nextFace++, 1);
            return Throw{faceValue(face), face};
        };
        for (qsizetype step = 0; step < sequence.events.size(); ++step) {
            const Event& event = sequence.events[step];
            const QStringList problems = player.play(event, nextThrow);
            QVERIFY2(problems.isEmpty(),
                     qPrintable(QStringLiteral("step %1 (%2): %3")
                                    .arg(step + 1)
                                    .arg(eventName(event), problems.join(QStringLiteral("; ")))));
        }
        QCOMPARE(nextFace, sequence.faces.size());
        QCOMPARE(player.ended(), endsSequence(sequence.events.last()));
    }
    QVERIFY(helpWindows().isEmpty());
    QVERIFY(aboutWindows().isEmpty());
}

void EventSequencesTest::checkerSeesADamagedBoard_data() {
    QTest::addColumn<Damage>("damage");
    QTest::newRow("a score label changed")
        << Damage([](BoardDriver& b) { b.label("Label3par")->setText(QStringLiteral("16")); });
    QTest::newRow("a used box freed") << Damage([](BoardDriver& b) {
        b.button("chance")->setEnabled(true);
        b.label("Labelchance")->clear();
    });
    QTest::newRow("the total off by one")
        << Damage([](BoardDriver& b) { b.label("Label11")->setText(QStringLiteral("16")); });
    QTest::newRow("the bonus shown for nothing")
        << Damage([](BoardDriver& b) { b.label("lblbonus")->show(); });
    QTest::newRow("a die's Tag without its picture")
        << Damage([](BoardDriver& b) { b.die(2)->setTag(QStringLiteral("6")); });
    QTest::newRow("a held die's timer on") << Damage([](BoardDriver& b) {
        b.hold(1)->blockSignals(true);
        b.hold(1)->setChecked(true);
    });
    QTest::newRow("a spinning die stopped")
        << Damage([](BoardDriver& b) { b.timer(3)->setInterval(0); });
    QTest::newRow("a second help window") << Damage([](BoardDriver& b) {
        b.triggerMenu("aide");
        (new Form2)->show();
    });
    QTest::newRow("the about window shows both pictures") << Damage([](BoardDriver& b) {
        b.triggerMenu("about");
        aboutWindows().first()->findChild<ImageBox*>(QStringLiteral("Image2"))->show();
    });
}

// The checks are only worth what they catch: a board damaged behind the program's back fails
// them.
void EventSequencesTest::checkerSeesADamagedBoard() {
    QFETCH(Damage, damage);
    EventPlayer player;
    auto nextThrow = [] { return Throw{0.5f, 4}; };
    for (const Event& event : QList<Event>{roll(), tick(0), roll(), box("chance"), roll()})
        QVERIFY(player.play(event, nextThrow).isEmpty());
    QVERIFY(player.brokenRules().isEmpty());
    QVERIFY(differences(player.model().state(), player.observe()).isEmpty());

    damage(player.board());
    const QStringList seen =
        player.brokenRules() + differences(player.model().state(), player.observe());
    QVERIFY(!seen.isEmpty());
    qInfo("%s", qPrintable(seen.join(QStringLiteral("; "))));
    qDeleteAll(helpWindows());
    qDeleteAll(aboutWindows());
}

QTEST_MAIN(EventSequencesTest)
#include "test_eventsequences.moc"
