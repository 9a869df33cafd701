// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The thirteen scoring rules. Every rule is checked over all throws of five dice against a second
// formulation written another way, the figures over the 7,776 ordered throws against counts
// worked out by hand, and the rule book's examples one by one.

#include "rules/gamenumbers.h"
#include "rules/rules.h"

#include <QTest>

#include <algorithm>
#include <functional>
#include <numeric>
#include <set>
#include <vector>

namespace {

using Scores = QList<int>;

QByteArray diceName(const Dice& dice) {
    QByteArrayList faces;
    for (int face : dice)
        faces << QByteArray::number(face);
    return faces.join(',');
}

// Calls `visit` with every ordered throw of faces `lowest` to 6; 0 stands for a die never thrown.
void forEachThrow(int lowest, const std::function<void(const Dice&)>& visit) {
    const int faces = gamenumbers::faceCount + 1 - lowest;
    int throws = 1;
    for (int die = 0; die < gamenumbers::diceCount; ++die)
        throws *= faces;
    for (int n = 0; n < throws; ++n) {
        Dice dice;
        int rest = n;
        for (int& die : dice) {
            die = lowest + rest % faces;
            rest /= faces;
        }
        visit(dice);
    }
}

// The rules again, from sorted dice and sets of faces rather than face counts.
namespace reference {

Dice sorted(Dice dice) {
    std::sort(dice.begin(), dice.end());
    return dice;
}

int sum(const Dice& dice) { return std::accumulate(dice.begin(), dice.end(), 0); }

int upper(int face, const Dice& dice) {
    const Dice s = sorted(dice);
    const auto [first, last] = std::equal_range(s.begin(), s.end(), face);
    return face * static_cast<int>(last - first);
}

// Sorted, `needed` equal thrown dice sit next to each other.
int ofAKind(int needed, const Dice& dice) {
    const Dice s = sorted(dice);
    for (int i = 0; i + needed <= gamenumbers::diceCount; ++i) {
        if (s[i] != 0 && s[i] == s[i + needed - 1])
            return sum(dice);
    }
    return 0;
}

// Sorted, a full house is AAABB or AABBB with A and B different faces.
int fullHouse(const Dice& dice) {
    const Dice s = sorted(dice);
    const bool threeLow = s[0] == s[2] && s[3] == s[4] && s[2] != s[3];
    const bool threeHigh = s[0] == s[1] && s[2] == s[4] && s[1] != s[2];
    return s[0] != 0 && (threeLow || threeHigh) ? gamenumbers::fullHouseScore : 0;
}

// The small straight as the rule book decides it: 3 and 4 first, then which ends to look for.
int smallStraight(const Dice& dice) {
    auto present = [&dice](int face) {
        return std::find(dice.begin(), dice.end(), face) != dice.end();
    };
    bool four = false, two = false, lowEnd = false, five = false, six = false;
    const bool three = present(3);
    if (three) {
        four = present(4);
        if (four) {
            two = present(2);
            if (two) {
                lowEnd = present(1);
                if (!lowEnd)
                    lowEnd = present(5);
            }
        }
        if (!two) {
            five = present(5);
            if (five)
                six = present(6);
        }
    }
    return (three && four && two && lowEnd) || (three && four && five && six)
               ? gamenumbers::smallStraightScore
               : 0;
}

int largeStraight(const Dice& dice) {
    const Dice s = sorted(dice);
    return s == Dice{1, 2, 3, 4, 5} || s == Dice{2, 3, 4, 5, 6} ? gamenumbers::largeStraightScore
                                                                : 0;
}

int fiveOfAKind(const Dice& dice) {
    const std::set<int> faces(dice.begin(), dice.end());
    return faces.size() == 1 && *faces.begin() != 0 ? gamenumbers::fiveOfAKindScore : 0;
}

} // namespace reference

struct Rule {
    const char* name;
    std::function<int(const Dice&)> score;
    std::function<int(const Dice&)> reference;
};

const std::vector<Rule>& allRules() {
    static const std::vector<Rule> rules = [] {
        std::vector<Rule> list;
        static const char* const upperNames[] = {"1", "2", "3", "4", "5", "6"};
        for (int face = 1; face <= gamenumbers::faceCount; ++face)
            list.push_back({upperNames[face - 1],
                            [face](const Dice& d) { return rules::upper(face, d); },
                            [face](const Dice& d) { return reference::upper(face, d); }});
        list.push_back({"3 pareils", [](const Dice& d) { return rules::ofAKind(3, d, d); },
                        [](const Dice& d) { return reference::ofAKind(3, d); }});
        list.push_back({"4 pareils", [](const Dice& d) { return rules::ofAKind(4, d, d); },
                        [](const Dice& d) { return reference::ofAKind(4, d); }});
        list.push_back({"Full", rules::fullHouse, reference::fullHouse});
        list.push_back({"Suite (4)", rules::smallStraight, reference::smallStraight});
        list.push_back({"Suite (5)", rules::largeStraight, reference::largeStraight});
        list.push_back({"KAZOUMI!", rules::fiveOfAKind, reference::fiveOfAKind});
        list.push_back({"Chance", rules::chance, reference::sum});
        return list;
    }();
    return rules;
}

const Rule& ruleNamed(const QByteArray& name) {
    const auto& rules = allRules();
    return *std::find_if(rules.begin(), rules.end(),
                         [&name](const Rule& rule) { return name == rule.name; });
}

// The rule book's examples, each with the scores of the boxes it is about. A die never thrown (0)
// matches no face and adds nothing, so it can neither complete a pattern nor, with another such
// die, look like a pair: those examples give all thirteen boxes.
struct Example {
    const QByteArrayList& rules;
    Dice dice;
    Scores scores;
};
const QByteArrayList upper{"1", "2", "3", "4", "5", "6"}, ofAKind{"3 pareils", "4 pareils"},
    full{"Full"}, straights{"Suite (4)", "Suite (5)"}, fiveAndChance{"KAZOUMI!", "Chance"},
    all = upper + ofAKind + full + straights + fiveAndChance;
const int fh = gamenumbers::fullHouseScore, small = gamenumbers::smallStraightScore,
          large = gamenumbers::largeStraightScore, five = gamenumbers::fiveOfAKindScore;
const Example ruleBookExamples[] = {
    {upper, {6, 6, 6, 6, 6}, {0, 0, 0, 0, 0, 30}},
    {upper, {3, 3, 5, 3, 1}, {1, 0, 9, 0, 5, 0}},
    {upper, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 0}},
    {upper, {2, 4, 4, 2, 4}, {0, 4, 0, 12, 0, 0}},
    {upper, {1, 1, 1, 1, 1}, {5, 0, 0, 0, 0, 0}},
    {ofAKind, {2, 3, 3, 3, 5}, {16, 0}},
    {ofAKind, {3, 5, 3, 2, 3}, {16, 0}},
    {ofAKind, {4, 4, 4, 4, 1}, {17, 17}},
    {ofAKind, {6, 6, 6, 6, 6}, {30, 30}},
    {ofAKind, {5, 5, 5, 2, 2}, {19, 0}},
    {ofAKind, {1, 1, 2, 2, 3}, {0, 0}},
    {ofAKind, {1, 2, 3, 4, 5}, {0, 0}},
    {ofAKind, {1, 1, 1, 2, 2}, {7, 0}},
    {ofAKind, {1, 1, 1, 1, 1}, {5, 5}},
    {ofAKind, {6, 2, 6, 2, 6}, {22, 0}},
    {full, {2, 2, 3, 3, 3}, {fh}},
    {full, {3, 2, 3, 2, 3}, {fh}},
    {full, {6, 6, 6, 1, 1}, {fh}},
    {full, {1, 1, 1, 6, 6}, {fh}},
    {full, {5, 5, 5, 5, 5}, {0}},
    {full, {4, 4, 4, 4, 2}, {0}},
    {full, {1, 1, 1, 2, 3}, {0}},
    {full, {1, 1, 2, 2, 3}, {0}},
    {straights, {1, 2, 3, 4, 6}, {small, 0}},
    {straights, {1, 2, 2, 3, 4}, {small, 0}},
    {straights, {3, 4, 5, 6, 6}, {small, 0}},
    {straights, {1, 3, 4, 5, 6}, {small, 0}},
    {straights, {2, 3, 4, 5, 5}, {small, 0}},
    {straights, {2, 3, 4, 5, 6}, {small, large}},
    {straights, {5, 4, 1, 3, 2}, {small, large}},
    {straights, {2, 3, 4, 6, 6}, {0, 0}},
    {straights, {1, 2, 3, 5, 6}, {0, 0}},
    {straights, {1, 2, 4, 5, 6}, {0, 0}},
    {straights, {3, 3, 3, 3, 3}, {0, 0}},
    {fiveAndChance, {6, 6, 6, 6, 6}, {five, 30}},
    {fiveAndChance, {1, 1, 1, 1, 1}, {five, 5}},
    {fiveAndChance, {2, 2, 2, 2, 3}, {0, 11}},
    {fiveAndChance, {1, 2, 3, 4, 5}, {0, 15}},
    // "1" to "6", "3 pareils", "4 pareils", "Full", "Suite (4)", "Suite (5)", "KAZOUMI!",
    // "Chance"
    {all, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {all, {5, 5, 5, 5, 0}, {0, 0, 0, 0, 20, 0, 20, 20, 0, 0, 0, 0, 20}},
    {all, {0, 6, 6, 6, 6}, {0, 0, 0, 0, 0, 24, 24, 24, 0, 0, 0, 0, 24}},
    {all, {3, 3, 3, 2, 0}, {0, 2, 9, 0, 0, 0, 11, 0, 0, 0, 0, 0, 11}},
    {all, {0, 0, 2, 2, 2}, {0, 6, 0, 0, 0, 0, 6, 0, 0, 0, 0, 0, 6}},
    {all, {1, 2, 3, 4, 0}, {1, 2, 3, 4, 0, 0, 0, 0, 0, 30, 0, 0, 10}},
    {all, {0, 3, 4, 5, 6}, {0, 0, 3, 4, 5, 6, 0, 0, 0, 30, 0, 0, 18}},
};

} // namespace

class RulesTest : public QObject {
    Q_OBJECT

private slots:
    void agreesWithReferenceOnEveryThrow_data();
    void agreesWithReferenceOnEveryThrow();
    void figuresOverAllThrows();
    void examples();
};

void RulesTest::agreesWithReferenceOnEveryThrow_data() {
    QTest::addColumn<int>("lowest");
    QTest::newRow("thrown dice (7776)") << 1;
    QTest::newRow("some never thrown (16807)") << 0;
}

void RulesTest::agreesWithReferenceOnEveryThrow() {
    QFETCH(int, lowest);
    int checked = 0;
    forEachThrow(lowest, [&](const Dice& dice) {
        for (const Rule& rule : allRules()) {
            const int got = rule.score(dice);
            const int want = rule.reference(dice);
            if (got != want && !QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("%1 on %2: %3, expected %4")
                                     .arg(rule.name, diceName(dice))
                                     .arg(got)
                                     .arg(want)));
        }
        ++checked;
    });
    qInfo("%d throws checked against the reference rules", checked);
}

// Counts over the 7,776 throws, by hand. Three or more of a kind: exactly three of face a in
// C(5,3) = 10 places with the other two dice free among the 5 other faces, 6 * 10 * 25 = 1500;
// exactly four, 6 * 5 * 5 = 150; five, 6: 1656 in all. Summing the dice: exactly three gives
// 10 * sum over a of (75a + 10(21 - a)) = 26250, exactly four 5 * sum of (20a + 21 - a) = 2625,
// five 105. A full house: 6 faces for the three, 5 for the pair, 10 places: 300. An upper box f
// sees face f on 7776 - 5^5 = 4651 throws, and f on 5/6 of a die per throw: f * 6480 in all.
// Chance averages 17.5: 136080.
void RulesTest::figuresOverAllThrows() {
    const std::vector<Rule>& rules = allRules();
    std::vector<int> met(rules.size()), total(rules.size());
    forEachThrow(1, [&](const Dice& dice) {
        for (std::size_t r = 0; r < rules.size(); ++r) {
            const int score = rules[r].score(dice);
            met[r] += score > 0;
            total[r] += score;
        }
    });
    auto figures = [](const char* rule, int throwsMet, int scoreTotal) {
        return QStringLiteral("\"%1\": met by %2 of 7776 throws, scores totalling %3")
            .arg(QLatin1String(rule))
            .arg(throwsMet)
            .arg(scoreTotal);
    };
    QStringList counted, expected;
    for (std::size_t r = 0; r < rules.size(); ++r)
        counted << figures(rules[r].name, met[r], total[r]);
    qInfo("%s", qPrintable(counted.join(u'\n')));
    for (int face = 1; face <= gamenumbers::faceCount; ++face)
        expected << figures(QByteArray::number(face).constData(), 4651, face * 6480);
    expected << figures("3 pareils", 1656, 28980) << figures("4 pareils", 156, 2730)
             << figures("Full", 300, 300 * gamenumbers::fullHouseScore)
             << figures("Suite (4)", 1200, 1200 * gamenumbers::smallStraightScore)
             << figures("Suite (5)", 240, 240 * gamenumbers::largeStraightScore)
             << figures("KAZOUMI!", 6, 6 * gamenumbers::fiveOfAKindScore)
             << figures("Chance", 7776, 136080);
    QCOMPARE(counted, expected);
}

void RulesTest::examples() {
    // One line per box and throw: a difference names the first that scores otherwise.
    QStringList scored, expected;
    for (const auto& [rules, dice, scores] : ruleBookExamples) {
        QCOMPARE(scores.size(), rules.size());
        for (qsizetype i = 0; i < rules.size(); ++i) {
            const QString example = QString::fromLatin1(rules[i] + " on " + diceName(dice) + ": ");
            scored << example + QString::number(ruleNamed(rules[i]).score(dice));
            expected << example + QString::number(scores[i]);
        }
    }
    QCOMPARE(scored, expected);
}

QTEST_APPLESS_MAIN(RulesTest)
#include "test_rules.moc"
