// Timers tick from the message loop; the tests pump messages and never sleep.
#include "framework/graphics/Timer.h"

#include "framework/core/Properties.h"
#include "framework/system/ErrorReport.h"
#include "tests/win/graphics/PixelTestUtil.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using fw::Timer;
using graphics_test::PumpUntil;

TEST(TimerTicks, AnEnabledTimerTicksWhileMessagesArePumped) {
    Timer t(nullptr);
    int ticks = 0;
    fw::Component* sender = nullptr;
    t.OnTimer = [&](fw::Component* s) {
        ++ticks;
        sender = s;
    };
    t.SetInterval(15);
    EXPECT_TRUE(t.Running());
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(sender, &t);
}

TEST(TimerTicks, DisabledOrZeroIntervalTimersStayQuiet) {
    Timer off(nullptr);
    Timer zero(nullptr);
    Timer madeStopped(nullptr, false);
    Timer reference(nullptr);
    int offTicks = 0, zeroTicks = 0, stoppedTicks = 0, referenceTicks = 0;
    off.OnTimer = [&](fw::Component*) { ++offTicks; };
    madeStopped.OnTimer = [&](fw::Component*) { ++stoppedTicks; };
    zero.OnTimer = [&](fw::Component*) { ++zeroTicks; };
    reference.OnTimer = [&](fw::Component*) { ++referenceTicks; };
    off.SetInterval(10);
    off.SetEnabled(false);
    madeStopped.SetInterval(10);
    zero.SetInterval(0);
    reference.SetInterval(20);
    EXPECT_FALSE(off.Running());
    EXPECT_FALSE(zero.Running());
    EXPECT_FALSE(madeStopped.Enabled());
    EXPECT_FALSE(madeStopped.Running());
    ASSERT_TRUE(PumpUntil([&] { return referenceTicks >= 5; }));
    EXPECT_EQ(offTicks, 0);
    EXPECT_EQ(zeroTicks, 0);
    EXPECT_EQ(stoppedTicks, 0);

    off.SetEnabled(true);
    madeStopped.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return offTicks >= 1 && stoppedTicks >= 1; }));
    EXPECT_THROW(off.SetInterval(-5), fw::Exception);
}

TEST(TimerTicks, ATimerMayDestroyItselfInItsHandler) {
    auto* t = new Timer(nullptr);
    Timer reference(nullptr);
    int ticks = 0, referenceTicks = 0;
    t->OnTimer = [&ticks, t](fw::Component*) {
        ++ticks;
        delete t;
    };
    reference.OnTimer = [&](fw::Component*) { ++referenceTicks; };
    t->SetInterval(10);
    reference.SetInterval(15);
    ASSERT_TRUE(PumpUntil([&] { return ticks == 1; }));
    ASSERT_TRUE(PumpUntil([&] { return referenceTicks >= 4; }));
    EXPECT_EQ(ticks, 1);
}

TEST(TimerTicks, ErrorsOfAHandlerGoToTheErrorHandlerAndTheTimerGoesOn) {
    std::string reported;
    fw::SetErrorHandler([&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const fw::Exception& ex) {
            reported = ex.Message();
        }
    });
    Timer t(nullptr);
    int ticks = 0;
    t.OnTimer = [&](fw::Component*) {
        ++ticks;
        throw fw::Exception("tick failed");
    };
    t.SetInterval(10);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    EXPECT_EQ(reported, "tick failed");
    fw::SetErrorHandler(nullptr);
}

TEST(TimerLifecycle, ADesignedTimerStartsOnlyOnceLoaded) {
    fw::Component owner(nullptr);
    auto* t = new Timer(&owner);
    t->SetLoading(true);
    fw::SetPropertyValue(*t, "interval", fw::PropertyValue::FromInteger(25));
    fw::SetPropertyValue(*t, "Enabled", fw::PropertyValue::FromBoolean(true));
    EXPECT_FALSE(t->Running());
    EXPECT_EQ(t->Interval(), 25);
    t->SetLoading(false);
    t->Loaded();
    EXPECT_TRUE(t->Running());
    EXPECT_EQ(t->ClassName(), "TTimer");
    EXPECT_TRUE(fw::HasProperty(*t, "OnTimer"));
    int ticks = 0;
    t->OnTimer = [&](fw::Component*) { ++ticks; };
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 1; }));
    owner.DestroyComponents();
    EXPECT_EQ(owner.ComponentCount(), 0);
}

} // namespace
