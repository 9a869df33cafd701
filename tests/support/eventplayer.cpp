// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eventplayer.h"

#include "rules/gamenumbers.h"
#include "widgets/imagebox.h"
#include "widgets/intervaltimer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include <numeric>

namespace {

template <typename Window> Window* onlyWindow() { return topLevelWindows<Window>().value(0); }

template <typename Window> WindowState windowState() {
    const auto* window = onlyWindow<Window>();
    if (!window)
        return WindowState::Absent;
    return window->isVisible() ? WindowState::Shown : WindowState::Hidden;
}

template <typename Child> Child* child(QWidget* window, const char* name) {
    return window ? window->findChild<Child*>(QLatin1String(name)) : nullptr;
}

// The close box: the window closes, and before the player can do anything else the event loop
// deletes a window that goes with its closing.
void clickCloseBox(QWidget* window) {
    if (!window || !window->isVisible())
        return;
    window->close();
    runDeferredDeletes();
}

// The scores a box can show at all.
bool possibleScore(int box, int score) {
    // What the dice add up to, every one of them thrown.
    const bool possibleSum =
        score >= gamenumbers::diceCount && score <= gamenumbers::diceCount * gamenumbers::faceCount;
    if (box < gamenumbers::upperBoxCount)
        return score >= 0 && score <= gamenumbers::diceCount * (box + 1) && score % (box + 1) == 0;
    switch (box) {
    case 6:
    case 7:
        return score == 0 || possibleSum;
    case 8:
        return score == 0 || score == gamenumbers::fullHouseScore;
    case 9:
        return score == 0 || score == gamenumbers::smallStraightScore;
    case 10:
        return score == 0 || score == gamenumbers::largeStraightScore;
    case 11:
        return score == 0 || score == gamenumbers::fiveOfAKindScore;
    case 12:
        return possibleSum;
    }
    return false;
}

// Adds `what` to the rules found broken unless `rule` holds.
using Require = std::function<void(bool rule, const QString& what)>;

// The turn: the rolls, the roll button, and the dice's timers and hold boxes in step.
void requireTurnRules(const BoardDriver& w, const Form1& form, const Require& require) {
    const int rolls = form.property("rolls").toInt();
    const QString caption = w.rollButton()->text();
    require(rolls >= 0 && rolls <= gamenumbers::rollsPerTurn,
            QStringLiteral("rolls is %1").arg(rolls));
    require(rolls < gamenumbers::rollsPerTurn || !w.rollButton()->isEnabled(),
            QStringLiteral("a fourth roll can be started"));
    require(caption == QLatin1String("go!") || caption == QLatin1String("stop"),
            QStringLiteral("Command1 shows \"%1\"").arg(caption));
    const int interval = w.timer(0)->interval();
    const bool holdsEnabled = w.hold(0)->isEnabled();
    require(interval == 0 || interval == gamenumbers::spinInterval,
            QStringLiteral("the dice's timers have an interval of %1 ms").arg(interval));
    require(
        (interval != 0) == (caption == QLatin1String("stop")),
        QStringLiteral("Command1 shows \"%1\" with timers at %2 ms").arg(caption).arg(interval));
    require(!holdsEnabled || interval == 0, QStringLiteral("the holds can change while spinning"));
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        const IntervalTimer* timer = w.timer(i);
        const QString die = QString::number(i);
        require(timer->interval() == interval,
                QStringLiteral("die %1 has a timer interval of its own").arg(die));
        require(timer->isEnabled() == !w.hold(i)->isChecked(),
                QStringLiteral("die %1: timer enabled %2 with its hold box ticked %3")
                    .arg(die)
                    .arg(timer->isEnabled())
                    .arg(w.hold(i)->isChecked()));
        require(timer->isTicking() == (timer->isEnabled() && timer->interval() > 0),
                QStringLiteral("die %1: the timer ticks against its settings").arg(die));
        require(w.hold(i)->isEnabled() == holdsEnabled,
                QStringLiteral("the hold boxes are not enabled together"));
        require(w.hold(i)->checkState() != Qt::PartiallyChecked,
                QStringLiteral("hold box %1 is half ticked").arg(die));
    }
}

// The dice: a thrown die's picture and Tag name the same face; a die never thrown shows none.
void requireDiceRules(const BoardDriver& w, const Require& require) {
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        const QString tag = w.die(i)->tag();
        const int face = w.faceOf(i);
        require(tag == (face == 0 ? QString() : QString::number(face)),
                QStringLiteral("die %1 has the picture of face %2 and the Tag \"%3\"")
                    .arg(i)
                    .arg(face)
                    .arg(tag));
        require(face != 0 || !w.sheet()->isEnabled(),
                QStringLiteral("die %1 shows no face while the sheet can score it").arg(i));
    }
    for (int k = 0; k < gamenumbers::faceCount; ++k) {
        require(w.face(k)->tag() == QString::number(k + 1) && w.face(k)->isHidden(),
                QStringLiteral("face picture %1 was changed").arg(k));
    }
}

// The sheet: a box is used exactly when its label shows a score, a score the box can give; the
// totals and the bonus follow from the scores.
void requireSheetRules(const BoardDriver& w, const Form1& form, const Require& require) {
    int upperSum = 0, sum = 0, upperUsed = 0, used = 0;
    for (int b = 0; b < gamenumbers::boxCount; ++b) {
        const QString text = w.scoreLabel(b)->text();
        const bool free = w.box(b)->isEnabledTo(w.sheet());
        const char* name = BoardDriver::sheetBoxes()[b].button;
        require(free == text.isEmpty(),
                QStringLiteral("box %1 is %2 with its label showing \"%3\"")
                    .arg(QLatin1String(name),
                         free ? QStringLiteral("free") : QStringLiteral("used"), text));
        if (text.isEmpty())
            continue;
        bool number = false;
        const int score = text.toInt(&number);
        require(number && QString::number(score) == text && possibleScore(b, score),
                QStringLiteral("box %1 shows \"%2\"").arg(QLatin1String(name), text));
        sum += score;
        ++used;
        if (b < gamenumbers::upperBoxCount) {
            upperSum += score;
            ++upperUsed;
        }
    }
    const bool bonus = !w.label("lblbonus")->isHidden();
    require(
        bonus == (upperSum >= gamenumbers::bonusThreshold),
        QStringLiteral("the bonus shows %1 with upper boxes worth %2").arg(bonus).arg(upperSum));
    const int total = sum + (bonus ? gamenumbers::bonusPoints : 0);
    require(w.label("Label9")->text() == (upperUsed ? QString::number(upperSum) : QString()),
            QStringLiteral("Label9 shows \"%1\" for upper boxes worth %2")
                .arg(w.label("Label9")->text())
                .arg(upperSum));
    require(w.label("Label11")->text() == (used ? QString::number(total) : QString()),
            QStringLiteral("Label11 shows \"%1\" for boxes worth %2 and bonus %3")
                .arg(w.label("Label11")->text())
                .arg(sum)
                .arg(bonus));
    require(form.property("uppertotal").toInt() == upperSum,
            QStringLiteral("uppertotal is %1 for upper boxes worth %2")
                .arg(form.property("uppertotal").toInt())
                .arg(upperSum));
    require(form.property("total").toInt() == total,
            QStringLiteral("total is %1, the sheet is worth %2")
                .arg(form.property("total").toInt())
                .arg(total));
}

} // namespace

void clickAsPlayer(QWidget* widget) {
    QWidget* window = widget->window();
    if (!window->isVisible())
        return;
    const QPoint spot = widget->mapTo(window, widget->rect().center());
    QWidget* target = window->childAt(spot);
    if (!target)
        target = window;
    const QPointer<QWidget> guard(target);
    const QPoint local = target->mapFrom(window, spot);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        if (!guard)
            return;
        const bool press = type == QEvent::MouseButtonPress;
        QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), Qt::LeftButton,
                          press ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QSpontaneKeyEvent::setSpontaneous(&event);
        QCoreApplication::instance()->notify(target, &event);
    }
}

EventPlayer::EventPlayer() : m_board(std::make_unique<BoardDriver>()) {}

EventPlayer::~EventPlayer() = default;

QStringList EventPlayer::play(const Event& event, const std::function<Throw()>& nextThrow) {
    if (m_ended)
        return {QStringLiteral("the program has already ended")};
    ScriptedRandom::Script& script = m_board->script();
    script.values.clear();
    const int drawnBefore = script.drawn;
    const int throws = m_model.throwsFor(event);
    std::vector<int> faces;
    for (int n = 0; n < throws; ++n) {
        const Throw t = nextThrow();
        script.pushValue(t.value);
        faces.push_back(t.face);
    }
    if (endsSequence(event))
        return endTheProgram(event);

    deliver(event);
    m_model.apply(event, faces);

    QStringList problems;
    if (script.drawn - drawnBefore != throws) {
        problems << QStringLiteral("the dice were thrown %1 times, expected %2")
                        .arg(script.drawn - drawnBefore)
                        .arg(throws);
    }
    problems += differences(m_model.state(), observe());
    problems += brokenRules();
    return problems;
}

void EventPlayer::deliver(const Event& event) {
    const BoardDriver& w = *m_board;
    switch (event.action) {
    case Action::Roll:
        clickAsPlayer(w.rollButton());
        break;
    case Action::Hold:
        clickAsPlayer(w.hold(event.index));
        break;
    case Action::Box:
        clickAsPlayer(w.box(event.index));
        break;
    case Action::Tick:
        m_board->tick(event.index);
        break;
    case Action::Reset:
        m_board->triggerMenu("reset");
        break;
    case Action::About:
        m_board->triggerMenu("about");
        break;
    case Action::Aide:
        m_board->triggerMenu("aide");
        break;
    case Action::HelpOk:
        if (auto* ok = child<QPushButton>(onlyWindow<Form2>(), "Command1"))
            clickAsPlayer(ok);
        break;
    case Action::HelpCloseBox:
        clickCloseBox(onlyWindow<Form2>());
        break;
    case Action::AboutOk:
        if (auto* ok = child<QPushButton>(onlyWindow<Form3>(), "Command1"))
            clickAsPlayer(ok);
        break;
    case Action::AboutCloseBox:
        clickCloseBox(onlyWindow<Form3>());
        break;
    case Action::AboutDie:
        if (auto* picture = child<ImageBox>(onlyWindow<Form3>(), "Image1"))
            clickAsPlayer(picture);
        break;
    case Action::AboutPhoto:
        if (auto* picture = child<ImageBox>(onlyWindow<Form3>(), "Image2"))
            clickAsPlayer(picture);
        break;
    case Action::Idle:
        // Posted events only: the dice's timers tick only when the sequence says so.
        QCoreApplication::sendPostedEvents();
        break;
    case Action::Quit:
    case Action::GameCloseBox:
        break;
    }
}

// Runs the program's event loop as main() does, and ends the program from inside it. The loop
// must return 0 at once, whatever is open or spinning.
QStringList EventPlayer::endTheProgram(const Event& event) {
    Form1& form = m_board->form();
    QTimer::singleShot(0, &form, [this, &form, event] {
        if (event.action == Action::Quit)
            m_board->triggerMenu("quit");
        else
            form.close();
    });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    giveUp.start(10000);
    const int exitCode = QCoreApplication::exec();
    m_ended = true;
    if (exitCode == -1)
        return {QStringLiteral("the program did not end")};
    if (exitCode != 0)
        return {QStringLiteral("the program ended with status %1").arg(exitCode)};
    return {};
}

BoardState EventPlayer::observe() const {
    const BoardDriver& w = *m_board;
    const Form1& form = m_board->form();
    BoardState s;
    s.caption = w.rollButton()->text();
    s.rollEnabled = w.rollButton()->isEnabled();
    s.rolls = form.property("rolls").toInt();
    s.spinning = w.timer(0)->interval() == gamenumbers::spinInterval;
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        s.held[i] = w.hold(i)->isChecked();
        s.faces[i] = w.faceOf(i);
    }
    s.holdsEnabled = w.hold(0)->isEnabled();
    s.sheetEnabled = w.sheet()->isEnabled();
    for (int b = 0; b < gamenumbers::boxCount; ++b) {
        const QString text = w.scoreLabel(b)->text();
        s.scores[b] = text.isEmpty() ? -1 : text.toInt();
    }
    s.subtotalText = w.label("Label9")->text();
    s.totalText = w.label("Label11")->text();
    s.bonus = !w.label("lblbonus")->isHidden();
    s.total = form.property("total").toInt();
    s.uppertotal = form.property("uppertotal").toInt();
    s.boxscore = form.property("boxscore").toInt();
    s.help = windowState<Form2>();
    s.about = windowState<Form3>();
    if (auto* photo = child<ImageBox>(onlyWindow<Form3>(), "Image2"))
        s.photo = !photo->isHidden();
    return s;
}

QStringList EventPlayer::brokenRules() const {
    const BoardDriver& w = *m_board;
    const Form1& form = m_board->form();
    QStringList broken;
    const Require require = [&broken](bool rule, const QString& what) {
        if (!rule)
            broken << what;
    };
    requireTurnRules(w, form, require);
    requireDiceRules(w, require);
    requireSheetRules(w, form, require);

    // The other windows: one of each at most, and the about window shows one picture.
    require(helpWindows().size() <= 1, QStringLiteral("%1 help windows").arg(helpWindows().size()));
    require(aboutWindows().size() <= 1,
            QStringLiteral("%1 about windows").arg(aboutWindows().size()));
    if (Form3* about = onlyWindow<Form3>()) {
        const bool die = !child<ImageBox>(about, "Image1")->isHidden();
        const bool photo = !child<ImageBox>(about, "Image2")->isHidden();
        require(die != photo,
                QStringLiteral("the about window shows %1 pictures").arg(die + photo));
    }
    return broken;
}

namespace {

QtMessageHandler passOn = nullptr;

void dropWindowSystemNotes(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    passOn(type, context, message);
}

} // namespace

void silenceWindowSystemNotes() {
    if (!passOn)
        passOn = qInstallMessageHandler(dropWindowSystemNotes);
}
