// Window timers: period, one-shot use, start after loading, errors.
#include <gtest/gtest.h>

#include "base/Exceptions.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/Timer.h"

namespace pakmole {
namespace {

TEST(TimerTest, FiresWhileEnabledAndStopsWhenDisabled) {
    test::RecordingApplication app;
    TTimer timer(nullptr);
    int fired = 0;
    timer.SetInterval(30);
    timer.OnTimer = [&](TObject*) { ++fired; };
    ASSERT_TRUE(test::PumpUntil([&] { return fired >= 3; }, 3000));
    timer.SetEnabled(false);
    const int stopped = fired;
    test::PumpFor(200);
    EXPECT_EQ(fired, stopped);
}

TEST(TimerTest, HandlerThatDisablesItsTimerRunsOnce) {
    test::RecordingApplication app;
    TTimer timer(nullptr);
    int fired = 0;
    timer.SetInterval(20);
    timer.OnTimer = [&](TObject*) {
        timer.SetEnabled(false);
        ++fired;
    };
    // The first tick may come late on a busy machine; a second one must not come at all.
    ASSERT_TRUE(test::PumpUntil([&] { return fired >= 1; }, 3000));
    test::PumpFor(300);
    EXPECT_EQ(fired, 1);
}

TEST(TimerTest, TimerOfAStoredDescriptionStartsWhenLoadingEnds) {
    test::RecordingApplication app;
    ComponentPtr<TComponent> owner(new TComponent(nullptr));
    owner->BeginLoad();
    auto* timer = new TTimer(owner.get());
    timer->SetInterval(20);
    int fired = 0;
    timer->OnTimer = [&](TObject*) { ++fired; };
    test::PumpFor(150);
    EXPECT_EQ(fired, 0);
    owner->EndLoad();
    EXPECT_TRUE(test::PumpUntil([&] { return fired > 0; }, 2000));
}

TEST(TimerTest, ErrorInTheHandlerGoesToTheApplication) {
    test::RecordingApplication app;
    TTimer timer(nullptr);
    timer.SetInterval(20);
    timer.OnTimer = [&](TObject*) {
        timer.SetEnabled(false);
        throw Exception("Timer failed");
    };
    ASSERT_TRUE(test::PumpUntil([&] { return !app.Errors().empty(); }, 2000));
    EXPECT_EQ(app.Errors()[0], "Timer failed");
}

}  // namespace
}  // namespace pakmole
