// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Micro-benchmarks of the game's hot paths, each beside what the same step costs the floor
// program where it has one: a die's tick, a whole frame of five ticks and the repaint, building
// the window, the thirteen box rules and a commit. Run with QT_QPA_PLATFORM=offscreen (the main
// below sets it when it is unset).

#include "floorwindow.h"
#include "forms/form1.h"
#include "rules/rules.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Every one of the 7776 ways five dice can fall, so that no rule is measured on one lucky hand.
const std::vector<Dice>& allHands() {
    static const std::vector<Dice> hands = [] {
        std::vector<Dice> all;
        int ways = 1;
        for (int i = 0; i < gamenumbers::diceCount; ++i)
            ways *= gamenumbers::faceCount;
        for (int code = 0; code < ways; ++code) {
            Dice dice{};
            for (int i = 0, rest = code; i < gamenumbers::diceCount;
                 ++i, rest /= gamenumbers::faceCount)
                dice[i] = rest % gamenumbers::faceCount + 1;
            all.push_back(dice);
        }
        return all;
    }();
    return hands;
}

template <typename Rule> void benchmarkRule(benchmark::State& state, Rule rule) {
    const std::vector<Dice>& hands = allHands();
    std::size_t next = 0;
    for (auto _ : state) {
        const Dice& dice = hands[next];
        benchmark::DoNotOptimize(rule(dice));
        next = next + 1 == hands.size() ? 0 : next + 1;
    }
}

// A shown board, the way the player sees it; offscreen, nothing reaches a screen.
template <typename Window> void showAndSettle(Window& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window was never exposed");
    QCoreApplication::processEvents();
}

// What the event loop does between two ticks: deliver the posted events, the repaint among them.
void repaintNow() { QCoreApplication::sendPostedEvents(); }

void tick(benchmark::State& state) {
    Form1 board;
    showAndSettle(board);
    for (auto _ : state)
        board.Timer1_Timer();
    repaintNow();
}

void tickFloor(benchmark::State& state) {
    FloorWindow window(true);
    showAndSettle(window);
    for (auto _ : state)
        window.tick(0);
    repaintNow();
}

void frame(benchmark::State& state) {
    Form1 board;
    showAndSettle(board);
    for (auto _ : state) {
        board.Timer1_Timer();
        board.Timer2_Timer();
        board.Timer3_Timer();
        board.Timer4_Timer();
        board.Timer5_Timer();
        repaintNow();
    }
}

void frameFloor(benchmark::State& state) {
    FloorWindow window(true);
    showAndSettle(window);
    for (auto _ : state) {
        for (int i = 0; i < gamenumbers::diceCount; ++i)
            window.tick(i);
        repaintNow();
    }
}

void build(benchmark::State& state) {
    for (auto _ : state) {
        Form1 board;
        benchmark::DoNotOptimize(&board);
    }
}

void buildFloor(benchmark::State& state) {
    for (auto _ : state) {
        FloorWindow window(false);
        benchmark::DoNotOptimize(&window);
    }
}

// Scores a box on a board in the middle of a turn: the dice thrown, two of them held, the sheet
// open. Only the click's handler is timed; the board is brought back before each click.
void commit(benchmark::State& state, const char* boxName, void (Form1::*click)()) {
    Form1 board;
    showAndSettle(board);
    board.Command1_Click(); // go!
    board.Command1_Click(); // stop: every die shows a face
    auto* box = board.findChild<QPushButton*>(QLatin1String(boxName));
    auto* sheet = board.findChild<QFrame*>(QStringLiteral("Frame1"));
    auto* hold0 = board.findChild<QCheckBox*>(QStringLiteral("Check1(0)"));
    auto* hold1 = board.findChild<QCheckBox*>(QStringLiteral("Check1(1)"));
    for (auto _ : state) {
        state.PauseTiming();
        sheet->setEnabled(true);
        box->setEnabled(true);
        for (QCheckBox* hold : {hold0, hold1}) {
            hold->setEnabled(true);
            hold->setChecked(true);
        }
        state.ResumeTiming();
        (board.*click)();
    }
    repaintNow();
}

void registerAll() {
    const auto ns = benchmark::kNanosecond;
    benchmark::RegisterBenchmark("tick", tick)->Unit(ns);
    benchmark::RegisterBenchmark("tick_floor", tickFloor)->Unit(ns);
    benchmark::RegisterBenchmark("frame", frame)->Unit(ns);
    benchmark::RegisterBenchmark("frame_floor", frameFloor)->Unit(ns);
    benchmark::RegisterBenchmark("build", build)->Unit(ns);
    benchmark::RegisterBenchmark("build_floor", buildFloor)->Unit(ns);

    for (int face = 1; face <= gamenumbers::faceCount; ++face) {
        const std::string name = "rule_upper" + std::to_string(face);
        benchmark::RegisterBenchmark(name.c_str(), [face](benchmark::State& state) {
            benchmarkRule(state, [face](const Dice& dice) { return rules::upper(face, dice); });
        })->Unit(ns);
    }
    benchmark::RegisterBenchmark("rule_par3", [](benchmark::State& state) {
        benchmarkRule(state, [](const Dice& dice) { return rules::ofAKind(3, dice, dice); });
    })->Unit(ns);
    benchmark::RegisterBenchmark("rule_par4", [](benchmark::State& state) {
        benchmarkRule(state, [](const Dice& dice) { return rules::ofAKind(4, dice, dice); });
    })->Unit(ns);
    benchmark::RegisterBenchmark("rule_full", [](benchmark::State& state) {
        benchmarkRule(state, rules::fullHouse);
    })->Unit(ns);
    benchmark::RegisterBenchmark("rule_suit4", [](benchmark::State& state) {
        benchmarkRule(state, rules::smallStraight);
    })->Unit(ns);
    benchmark::RegisterBenchmark("rule_suit5", [](benchmark::State& state) {
        benchmarkRule(state, rules::largeStraight);
    })->Unit(ns);
    benchmark::RegisterBenchmark("rule_kazoumi", [](benchmark::State& state) {
        benchmarkRule(state, rules::fiveOfAKind);
    })->Unit(ns);
    benchmark::RegisterBenchmark("rule_chance", [](benchmark::State& state) {
        benchmarkRule(state, rules::chance);
    })->Unit(ns);

    benchmark::RegisterBenchmark("commit_un", [](benchmark::State& state) {
        commit(state, "un", &Form1::un_Click);
    })->Unit(ns);
    benchmark::RegisterBenchmark("commit_full", [](benchmark::State& state) {
        commit(state, "full", &Form1::full_Click);
    })->Unit(ns);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
