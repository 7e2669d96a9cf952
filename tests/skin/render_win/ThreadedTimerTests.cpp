// The skin's timer component: it runs only with an interval, Enabled and a
// handler, every change re-arms it, and a tick that comes while the handler
// still runs is dropped.
#include <gtest/gtest.h>

#include "skin/render/vlThdTimer_win.h"
#include "tests/ui/GuiTestSupport.h"

namespace pakmole::test {
namespace {

TEST(ThreadedTimer, RunsOnlyWithIntervalEnabledAndHandler) {
    const struct {
        const char* name;
        unsigned interval;
        bool enabled, handler, armed;
    } cases[] = {
        {"all three", 10, true, true, true},
        {"interval 0", 0, true, true, false},
        {"disabled", 10, false, true, false},
        {"no handler", 10, true, false, false},
    };
    for (const auto& c : cases) {
        int ticks = 0;
        ComponentPtr<TvlThreadedTimer> timer(new TvlThreadedTimer(nullptr));
        timer->SetInterval(c.interval);
        timer->SetEnabled(c.enabled);
        if (c.handler) timer->SetOnTimer([&](TObject*) { ++ticks; });
        EXPECT_EQ(timer->Armed(), c.armed) << c.name;
        PumpFor(120);
        EXPECT_EQ(ticks > 0, c.armed) << c.name;
    }
}

TEST(ThreadedTimer, DefaultsAndRearming) {
    ComponentPtr<TvlThreadedTimer> timer(new TvlThreadedTimer(nullptr));
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 1000u);
    EXPECT_EQ(timer->ThreadPriority(), TThreadPriority::tpNormal);
    EXPECT_FALSE(timer->Armed());  // no handler yet
    int ticks = 0;
    timer->SetOnTimer([&](TObject*) { ++ticks; });
    timer->SetInterval(10);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }, 2000));
    timer->SetEnabled(false);
    const int stopped = ticks;
    PumpFor(80);
    EXPECT_EQ(ticks, stopped);
}

TEST(ThreadedTimer, ATickDuringTheHandlerIsDropped) {
    ComponentPtr<TvlThreadedTimer> timer(new TvlThreadedTimer(nullptr));
    int entered = 0, depth = 0, deepest = 0;
    timer->SetInterval(5);
    timer->SetOnTimer([&](TObject*) {
        ++entered;
        deepest = std::max(deepest, ++depth);
        // Ticks that fall due while the handler pumps messages must not run it again.
        if (entered == 1) PumpFor(60);
        --depth;
    });
    PumpUntil([&] { return entered >= 3; }, 2000);
    timer->SetEnabled(false);
    EXPECT_GE(entered, 3);
    EXPECT_EQ(deepest, 1);
}

}  // namespace
}  // namespace pakmole::test
