#include <gtest/gtest.h>

#include <climits>

#include "PlayFixture.h"
#include "platform/BackBitmap.h"
#include "play/PlayTimers.h"

TEST(PlayTimers, KeyDelayGate) {
    EXPECT_FALSE(KeyDelayAllows(1, 300, 0.2));
    EXPECT_FALSE(KeyDelayAllows(1, 300, 0.2999));
    EXPECT_TRUE(KeyDelayAllows(1, 300, 0.3));  // reaching the delay is enough
    EXPECT_TRUE(KeyDelayAllows(1, 300, 5.0));
    EXPECT_TRUE(KeyDelayAllows(0, 300, 0.0));
    EXPECT_TRUE(KeyDelayAllows(1, 0, 0.0));
    EXPECT_FALSE(KeyDelayAllows(1, 1, 0.0));  // no counter: everything waits
}

TEST(PlayTimers, AutoDisplayComesStrictlyAfterTheInterval) {
    EXPECT_FALSE(AutoDisplayDue(4.9, 5));
    EXPECT_FALSE(AutoDisplayDue(5.0, 5));
    EXPECT_TRUE(AutoDisplayDue(5.6, 5));
    EXPECT_TRUE(AutoDisplayDue(0.1, 0));
}

TEST(PlayTimers, TimeLimitPeriodStaysWithinATimersRange) {
    EXPECT_EQ(TimeLimitPeriod(10), 600000);
    EXPECT_EQ(TimeLimitPeriod(1200), 72000000);
    EXPECT_EQ(TimeLimitPeriod(35791), 2147460000);
    EXPECT_EQ(TimeLimitPeriod(35792), INT_MAX);
    EXPECT_EQ(TimeLimitPeriod(2000000000), INT_MAX);
}

TEST(PlayTimers, ANonPositiveTimeLimitNeverEndsTheGame) {
    EXPECT_EQ(TimeLimitPeriod(0), kTimeLimitNever);
    EXPECT_EQ(TimeLimitPeriod(-3), kTimeLimitNever);
    EXPECT_EQ(TimeLimitPeriod(INT_MIN), kTimeLimitNever);
    EXPECT_GE(kTimeLimitNever / 3600000, 24 * 24);  // over 24 days
}

class KeyDelay : public PlayFixture {};

TEST_F(KeyDelay, MeasuresFromTheLastAcceptedDisplay) {
    WriteBytes(m_dir / "p.bmp", MakeBmp24(4, 4, 0xFF0000));
    CMyGameWnd wnd;
    PrepareScreen(wnd, 64, 48, {m_dir / "p.bmp"});
    theSettings.m_bKeyDelay = 1;
    theSettings.m_nKeyDelay = 300;
    wnd.m_stopwatch.Restart();

    auto displays = [&wnd] {
        wnd.m_pBackBitmap->Fill(RGB(1, 2, 3));
        wnd.ShowNext();
        return wnd.m_pBackBitmap->GetPixel(63, 47) != RGB(1, 2, 3) ? 1 : 0;
    };
    AdvanceMs(200);
    EXPECT_EQ(displays(), 0);
    AdvanceMs(99);
    EXPECT_EQ(displays(), 0);  // refused presses do not prolong the wait
    AdvanceMs(1);
    EXPECT_EQ(displays(), 1);
    AdvanceMs(299);
    EXPECT_EQ(displays(), 0);
    AdvanceMs(1);
    EXPECT_EQ(displays(), 1);

    theSettings.m_bKeyDelay = 0;
    EXPECT_EQ(displays(), 1);
    EXPECT_EQ(displays(), 1);
}

TEST_F(KeyDelay, StopwatchCountsSecondsSinceItsRestart) {
    CStopwatch watch;
    ASSERT_TRUE(watch.m_bAvailable);
    watch.Restart();
    AdvanceMs(1500);
    EXPECT_DOUBLE_EQ(watch.Elapsed(), 1.5);
    watch.m_bAvailable = 0;
    EXPECT_EQ(watch.Elapsed(), 0.0);
}
