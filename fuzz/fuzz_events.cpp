// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's actions as bytes: every byte is one event of the alphabet the random sequence test
// draws from (its code modulo the alphabet's size), and every throw an event makes takes the next
// byte as its face. The events are played on the real windows and checked against the same model
// and rules; any disagreement stops the run with the events that led to it.

#include "support/eventplayer.h"

#include <QApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Longer inputs add little: a game takes a few hundred events.
constexpr std::size_t maxEvents = 4096;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    silenceWindowSystemNotes();
    // The fuzzer's own options are no business of the application's.
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    // It lives as long as the process: at exit Qt's own globals go before any static object of
    // ours could, and an application object destroyed after them crashes.
    static QApplication* application = new QApplication(qtArgc, qtArgv);
    (void)application;
    QApplication::setStyle(QStringLiteral("Fusion"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<Event>& alphabet = eventAlphabet();
    std::size_t at = 0;
    auto nextThrow = [&] { return throwFromCode(at < size ? data[at++] : 0u); };

    QStringList played;
    {
        EventPlayer player;
        while (at < size && played.size() < static_cast<qsizetype>(maxEvents) && !player.ended()) {
            const Event event = alphabet[data[at++] % alphabet.size()];
            played << eventName(event);
            const QStringList problems = player.play(event, nextThrow);
            if (!problems.isEmpty()) {
                std::fprintf(stderr, "after %lld events (%s):\n  %s\n",
                             static_cast<long long>(played.size()),
                             qPrintable(played.join(QStringLiteral(", "))),
                             qPrintable(problems.join(QStringLiteral("\n  "))));
                std::abort();
            }
        }
    }
    if (!helpWindows().isEmpty() || !aboutWindows().isEmpty()) {
        std::fprintf(stderr, "a help or about window outlived the game window\n");
        std::abort();
    }
    return 0;
}
