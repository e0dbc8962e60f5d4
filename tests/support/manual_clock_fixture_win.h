// The program in the test's process with the views' user-action clock in the test's hand, and
// no home page at start.
#pragma once

#include "platform/tick_clock.h"
#include "support/app_fixture_win.h"

class ManualClockFixture : public AppFixture {
protected:
    void SetUp() override {
        CFixedHtmlView::UseClock(&clock_);
        WriteSetting("EnableHomePage", "0");
    }
    void TearDown() override { CFixedHtmlView::UseClock(nullptr); }

    brisova::ManualTickClock clock_;
};
