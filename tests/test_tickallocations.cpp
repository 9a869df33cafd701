// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A spinning die allocates nothing: 10,000 ticks, delivered the way the event loop delivers them,
// make no call to the allocator from the program's own code. Qt's repaint scheduling and painting
// do allocate; the test reports how much, and checks that the game adds nothing to what the same
// updates cost a bare widget.

#include "forms/form1.h"
#include "support/scriptedrandom.h"
#include "widgets/intervaltimer.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <QTimerEvent>

#include <cerrno>
#include <cstdlib>
#include <new>

// ---- A counting allocator
// ------------------------------------------------------------------------
//
// Qt allocates its strings, lists, regions and events with malloc, not operator new, so the
// counters sit in malloc and its relatives; operator new and delete are routed through them. The
// real work is done by the C library's own allocator. Only the thread that switched counting on is
// counted. Sanitizers bring allocators of their own, so there the test is skipped.

#if defined(__SANITIZE_ADDRESS__)
#define KAZOUMI_COUNTING_ALLOCATOR 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KAZOUMI_COUNTING_ALLOCATOR 0
#endif
#endif
#ifndef KAZOUMI_COUNTING_ALLOCATOR
#define KAZOUMI_COUNTING_ALLOCATOR 1
#endif

namespace {

thread_local bool counting = false;
thread_local long allocations = 0;

inline void noteAllocation() {
    if (counting)
        ++allocations;
}

// Counts the allocations made on this thread while it lives.
class AllocationCount {
public:
    AllocationCount() : m_start(allocations) { counting = true; }
    ~AllocationCount() { counting = false; }
    long value() const { return allocations - m_start; }

private:
    long m_start;
};

} // namespace

#if KAZOUMI_COUNTING_ALLOCATOR

extern "C" {
void* __libc_malloc(std::size_t size) noexcept;
void* __libc_calloc(std::size_t count, std::size_t size) noexcept;
void* __libc_realloc(void* pointer, std::size_t size) noexcept;
void* __libc_memalign(std::size_t alignment, std::size_t size) noexcept;
void* __libc_valloc(std::size_t size) noexcept;
void* __libc_pvalloc(std::size_t size) noexcept;
void __libc_free(void* pointer) noexcept;

void* malloc(std::size_t size) noexcept {
    noteAllocation();
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) noexcept {
    noteAllocation();
    return __libc_calloc(count, size);
}
void* realloc(void* pointer, std::size_t size) noexcept {
    noteAllocation();
    return __libc_realloc(pointer, size);
}
void* memalign(std::size_t alignment, std::size_t size) noexcept {
    noteAllocation();
    return __libc_memalign(alignment, size);
}
void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
    noteAllocation();
    return __libc_memalign(alignment, size);
}
int posix_memalign(void** result, std::size_t alignment, std::size_t size) noexcept {
    noteAllocation();
    void* pointer = __libc_memalign(alignment, size);
    if (!pointer)
        return ENOMEM;
    *result = pointer;
    return 0;
}
void* valloc(std::size_t size) noexcept {
    noteAllocation();
    return __libc_valloc(size);
}
void* pvalloc(std::size_t size) noexcept {
    noteAllocation();
    return __libc_pvalloc(size);
}
void free(void* pointer) noexcept { __libc_free(pointer); }
}

void* operator new(std::size_t size) {
    if (void* pointer = std::malloc(size ? size : 1))
        return pointer;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* pointer) noexcept { std::free(pointer); }
void operator delete[](void* pointer) noexcept { std::free(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { std::free(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { std::free(pointer); }

#endif

namespace {

// Throws the faces in turn, so that every tick of every die shows a new face and asks for a
// repaint: the most work a tick can cause, the same in every run.
class CyclingRandom final : public RandomSource {
public:
    float next() override {
        m_face = (m_face + 1) % gamenumbers::faceCount;
        return faceValue(m_face + 1);
    }

private:
    int m_face = 0;
};

// A bare window with five child widgets that ask for a repaint the way the dice do: what Qt's own
// update() costs, whatever the program.
class BareWindow : public QWidget {
public:
    BareWindow() {
        resize(448, 361);
        for (int i = 0; i < gamenumbers::diceCount; ++i) {
            children[i] = new QWidget(this);
            children[i]->setGeometry(26 + 88 * i, 32, 49, 49);
        }
    }
    QWidget* children[gamenumbers::diceCount];
};

constexpr int ticksMeasured = 10000;
constexpr int framesMeasured = ticksMeasured / gamenumbers::diceCount;

template <typename Window> bool showExposed(Window& window) {
    window.show();
    const bool exposed = QTest::qWaitForWindowExposed(&window);
    QCoreApplication::processEvents();
    return exposed;
}

// What the event loop does between two ticks: deliver every posted event, the repaint among them.
// (Delivering only the repaint would leave the event queue uncompacted, growing as it goes.)
void repaintNow() { QCoreApplication::sendPostedEvents(); }

// Allocations made by frames of updates: each frame is one `round` (five dice asking for a
// repaint) and then the repaint.
struct FrameAllocations {
    long scheduling = 0;
    long painting = 0;
};

template <typename Round> FrameAllocations countFrames(int frames, Round round) {
    FrameAllocations made;
    for (int frame = 0; frame < frames; ++frame) {
        {
            AllocationCount count;
            round();
            made.scheduling += count.value();
        }
        AllocationCount count;
        repaintNow();
        made.painting += count.value();
    }
    return made;
}

// The game's board, shown, with all five dice spinning, ticked through its real timers.
class SpinningBoard {
public:
    SpinningBoard() : m_board(std::make_unique<CyclingRandom>()) {
        m_exposed = showExposed(m_board);
        QTest::mouseClick(m_board.findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        for (int i = 0; i < gamenumbers::diceCount; ++i)
            m_timers[i] = m_board.findChild<IntervalTimer*>(QStringLiteral("Timer%1").arg(i + 1));
    }

    bool ready() const {
        if (!m_exposed)
            return false;
        for (IntervalTimer* timer : m_timers) {
            if (!timer || !timer->isTicking())
                return false;
        }
        return true;
    }

    Form1& board() { return m_board; }

    // One tick of every die, each as the event loop delivers it: a timer event to its timer.
    void round() {
        for (IntervalTimer* timer : m_timers) {
            QTimerEvent event(timer->tickId());
            QCoreApplication::sendEvent(timer, &event);
        }
    }

private:
    Form1 m_board;
    IntervalTimer* m_timers[gamenumbers::diceCount] = {};
    bool m_exposed = false;
};

} // namespace

class TickAllocationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void ticksAllocateNothing_data();
    void ticksAllocateNothing();
    void repaintSchedulingIsQtsOwn();
};

void TickAllocationsTest::initTestCase() {
    if (!KAZOUMI_COUNTING_ALLOCATOR)
        QSKIP("allocation counts need the C library's allocator, not a sanitizer's");
    // The counter must see what it is meant to see: Qt's strings and the program's new.
    AllocationCount count;
    const QString built = QString::number(123456789);
    QCOMPARE(count.value(), 1L);
    int* volatile made = new int(1); // volatile: the pair must not be optimised away
    delete made;
    QCOMPARE(count.value(), 2L);
}

void TickAllocationsTest::ticksAllocateNothing_data() {
    QTest::addColumn<bool>("updatesEnabled");
    // With updates off, a tick runs only the program's code. With a repaint already pending for
    // every die, update() only has to see that: no new event, no new region.
    QTest::newRow("updates off") << false;
    QTest::newRow("repaint pending") << true;
}

void TickAllocationsTest::ticksAllocateNothing() {
    QFETCH(bool, updatesEnabled);
    SpinningBoard spinning;
    QVERIFY(spinning.ready());
    // Warm-up: some frames, so that whatever Qt makes once is made; the last round leaves a
    // repaint pending for every die.
    countFrames(20, [&] { spinning.round(); });
    spinning.round();
    spinning.board().setUpdatesEnabled(updatesEnabled);

    long made = 0;
    {
        AllocationCount count;
        for (int n = 0; n < framesMeasured; ++n)
            spinning.round();
        made = count.value();
    }
    spinning.board().setUpdatesEnabled(true);
    QCOMPARE(made, 0L);
}

void TickAllocationsTest::repaintSchedulingIsQtsOwn() {
    SpinningBoard spinning;
    QVERIFY(spinning.ready());
    countFrames(20, [&] { spinning.round(); });
    const FrameAllocations game = countFrames(framesMeasured, [&] { spinning.round(); });

    // The same five updates a frame on a bare window.
    BareWindow bare;
    QVERIFY(showExposed(bare));
    const auto bareRound = [&] {
        for (QWidget* child : bare.children)
            child->update();
    };
    countFrames(20, bareRound);
    const FrameAllocations floor = countFrames(framesMeasured, bareRound);

    qInfo("Qt's repaint scheduling: %.2f allocations per tick (bare widgets: %.2f)",
          double(game.scheduling) / ticksMeasured, double(floor.scheduling) / ticksMeasured);
    qInfo("Qt's painting: %.2f allocations per frame of five dice (bare widgets: %.2f)",
          double(game.painting) / framesMeasured, double(floor.painting) / framesMeasured);
    // Asking for a repaint costs the game exactly what it costs any widget.
    QCOMPARE(game.scheduling, floor.scheduling);
}

QTEST_MAIN(TickAllocationsTest)
#include "test_tickallocations.moc"
