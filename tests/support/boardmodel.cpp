// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardmodel.h"

#include "boarddriver.h"

#include "rules/gamenumbers.h"

#include <algorithm>
#include <numeric>

namespace {

QString shown(bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); }

QString shown(WindowState window) {
    switch (window) {
    case WindowState::Absent:
        return QStringLiteral("absent");
    case WindowState::Shown:
        return QStringLiteral("shown");
    case WindowState::Hidden:
        return QStringLiteral("hidden");
    }
    return QString();
}

QString shown(int value) { return QString::number(value); }

QString shown(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

template <typename T>
void compare(QStringList& out, const QString& what, const T& expected, const T& actual) {
    if (!(expected == actual))
        out << QStringLiteral("%1: %2, expected %3").arg(what, shown(actual), shown(expected));
}

} // namespace

QStringList differences(const BoardState& expected, const BoardState& actual) {
    QStringList out;
    compare(out, QStringLiteral("Command1 caption"), expected.caption, actual.caption);
    compare(out, QStringLiteral("Command1 enabled"), expected.rollEnabled, actual.rollEnabled);
    compare(out, QStringLiteral("rolls"), expected.rolls, actual.rolls);
    compare(out, QStringLiteral("dice spinning"), expected.spinning, actual.spinning);
    for (int i = 0; i < gamenumbers::diceCount; ++i)
        compare(out, QStringLiteral("Check1(%1) ticked").arg(i), expected.held[i], actual.held[i]);
    compare(out, QStringLiteral("holds enabled"), expected.holdsEnabled, actual.holdsEnabled);
    compare(out, QStringLiteral("Frame1 enabled"), expected.sheetEnabled, actual.sheetEnabled);
    for (int box = 0; box < gamenumbers::boxCount; ++box) {
        compare(
            out,
            QStringLiteral("score of %1").arg(QLatin1String(BoardDriver::sheetBoxes()[box].button)),
            expected.scores[box], actual.scores[box]);
    }
    compare(out, QStringLiteral("Label9"), expected.subtotalText, actual.subtotalText);
    compare(out, QStringLiteral("Label11"), expected.totalText, actual.totalText);
    compare(out, QStringLiteral("lblbonus shown"), expected.bonus, actual.bonus);
    compare(out, QStringLiteral("total"), expected.total, actual.total);
    compare(out, QStringLiteral("uppertotal"), expected.uppertotal, actual.uppertotal);
    compare(out, QStringLiteral("boxscore"), expected.boxscore, actual.boxscore);
    for (int i = 0; i < gamenumbers::diceCount; ++i)
        compare(out, QStringLiteral("face of die %1").arg(i), expected.faces[i], actual.faces[i]);
    compare(out, QStringLiteral("help window"), expected.help, actual.help);
    compare(out, QStringLiteral("about window"), expected.about, actual.about);
    compare(out, QStringLiteral("about window shows the photo"), expected.photo, actual.photo);
    return out;
}

int ruleScore(int box, const std::array<int, gamenumbers::diceCount>& faces) {
    std::array<int, gamenumbers::faceCount + 1>
        count{}; // count[f]: dice showing face f; count[0]: dice never thrown
    for (int face : faces)
        ++count[face];
    const int sum = std::accumulate(faces.begin(), faces.end(), 0);
    auto anyCount = [&count](auto test) {
        return std::any_of(count.begin() + 1, count.end(), test);
    };
    auto allPresent = [&count](int low, int high) {
        for (int face = low; face <= high; ++face) {
            if (count[face] == 0)
                return false;
        }
        return true;
    };
    if (box < gamenumbers::upperBoxCount)
        return (box + 1) * count[box + 1];
    switch (box) {
    case 6: // "3 pareils"
        return anyCount([](int n) { return n >= 3; }) ? sum : 0;
    case 7: // "4 pareils"
        return anyCount([](int n) { return n >= 4; }) ? sum : 0;
    case 8: // "Full"
        return anyCount([](int n) { return n == 3; }) && anyCount([](int n) { return n == 2; })
                   ? gamenumbers::fullHouseScore
                   : 0;
    case 9: // "Suite (4)"
        return allPresent(1, 4) || allPresent(2, 5) || allPresent(3, 6)
                   ? gamenumbers::smallStraightScore
                   : 0;
    case 10: // "Suite (5)"
        return allPresent(1, 5) || allPresent(2, 6) ? gamenumbers::largeStraightScore : 0;
    case 11: // "KAZOUMI!"
        return anyCount([](int n) { return n == 5; }) ? gamenumbers::fiveOfAKindScore : 0;
    case 12: // "Chance"
        return sum;
    }
    return -1;
}

int BoardModel::throwsFor(const Event& event) const {
    const BoardState& s = m_state;
    switch (event.action) {
    case Action::Tick:
        return s.ticking(event.index) ? 1 : 0;
    case Action::Roll:
        if (!s.rollEnabled || s.caption != QLatin1String("stop"))
            return 0;
        return static_cast<int>(std::count(s.faces.begin(), s.faces.end(), 0));
    default:
        return 0;
    }
}

void BoardModel::apply(const Event& event, const std::vector<int>& faces) {
    BoardState& s = m_state;
    switch (event.action) {
    case Action::Roll:
        if (s.rollEnabled)
            roll(faces);
        break;
    case Action::Hold:
        if (s.holdsEnabled)
            s.held[event.index] = !s.held[event.index];
        break;
    case Action::Box:
        if (s.sheetEnabled && s.scores[event.index] < 0)
            commit(event.index);
        break;
    case Action::Tick:
        if (s.ticking(event.index))
            s.faces[event.index] = faces.at(0);
        break;
    case Action::Reset:
        reset();
        break;
    case Action::About:
        show(s.about, &s.photo);
        break;
    case Action::Aide:
        show(s.help, nullptr);
        break;
    case Action::HelpOk:
        if (s.help == WindowState::Shown)
            s.help = WindowState::Hidden;
        break;
    case Action::HelpCloseBox:
        if (s.help == WindowState::Shown)
            s.help = WindowState::Absent;
        break;
    case Action::AboutOk:
        if (s.about == WindowState::Shown)
            s.about = WindowState::Hidden;
        break;
    case Action::AboutCloseBox:
        if (s.about == WindowState::Shown) {
            s.about = WindowState::Absent;
            s.photo = false;
        }
        break;
    case Action::AboutDie:
    case Action::AboutPhoto:
        // The two pictures lie on the same spot: a click on either's place lands on the one that
        // shows, and swaps them.
        if (s.about == WindowState::Shown)
            s.photo = !s.photo;
        break;
    case Action::Idle:
    case Action::Quit:
    case Action::GameCloseBox:
        break;
    }
}

void BoardModel::roll(const std::vector<int>& faces) {
    BoardState& s = m_state;
    if (s.caption == QLatin1String("go!")) {
        s.spinning = true;
        s.holdsEnabled = false;
        s.caption = QStringLiteral("stop");
        return;
    }
    // "stop": no die stays faceless.
    auto next = faces.begin();
    for (int& face : s.faces) {
        if (face == 0)
            face = *next++;
    }
    s.spinning = false;
    s.caption = QStringLiteral("go!");
    s.holdsEnabled = true;
    s.sheetEnabled = true;
    ++s.rolls;
    if (s.rolls == gamenumbers::rollsPerTurn)
        s.rollEnabled = false;
}

void BoardModel::commit(int box) {
    BoardState& s = m_state;
    const int score = ruleScore(box, s.faces);
    const bool upper = box < gamenumbers::upperBoxCount;
    s.scores[box] = score;
    if (upper) {
        s.uppertotal += score;
        s.subtotalText = QString::number(s.uppertotal);
    } else {
        s.boxscore = score;
    }
    s.total += score;
    s.totalText = QString::number(s.total);
    s.held.fill(false);
    s.holdsEnabled = false;
    s.sheetEnabled = false;
    s.rollEnabled = true;
    s.rolls = 0;
    if (upper && s.uppertotal >= gamenumbers::bonusThreshold && !s.bonus) {
        s.bonus = true;
        s.total += gamenumbers::bonusPoints;
        s.totalText = QString::number(s.total);
        ++m_bonuses;
    }
    ++m_commits;
    if (std::none_of(s.scores.begin(), s.scores.end(), [](int score) { return score < 0; }))
        ++m_gamesFinished;
}

void BoardModel::reset() {
    BoardState& s = m_state;
    s.scores.fill(-1);
    s.subtotalText.clear();
    s.totalText.clear();
    s.bonus = false;
    s.total = 0;
    s.uppertotal = 0;
    s.rolls = 0;
    s.boxscore = 0;
    s.held.fill(false);
    s.holdsEnabled = false;
}

void BoardModel::show(WindowState& window, bool* photo) {
    if (window == WindowState::Absent && photo)
        *photo = false;
    window = WindowState::Shown;
}
