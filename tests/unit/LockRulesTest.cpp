// The rules of a game's lock that need no display: which monitors are covered, and when a
// missing lock ends the game.
#include <gtest/gtest.h>

#include "core/LockDeadline.h"
#include "play/CoverLayout.h"

namespace {

TEST(CoverPlaces, EveryOtherMonitorOnceButNoneThePlayMonitorShows) {
    const wxRect left(0, 0, 1280, 1024), right(1280, 0, 1920, 1080), below(0, 1024, 1024, 768);
    struct Case {
        const char* what;
        std::vector<wxRect> monitors;
        int nPlay;
        std::vector<CoverPlace> expected;
    };
    const std::vector<Case> cases = {
        {"one monitor", {left}, 0, {}},
        {"none known", {}, 0, {}},
        {"two, play on the first", {left, right}, 0, {{1, right}}},
        {"two, play on the second", {left, right}, 1, {{0, left}}},
        {"three", {left, right, below}, 0, {{1, right}, {2, below}}},
        {"a mirror of the play monitor", {left, left, right}, 0, {{2, right}}},
        {"two mirrors of another", {left, right, right}, 0, {{1, right}}},
        {"a monitor inside the play monitor", {left, wxRect(100, 100, 800, 600)}, 0, {}},
        {"a monitor overlapping it in part",
         {left, wxRect(640, 0, 1280, 1024)},
         0,
         {{1, wxRect(640, 0, 1280, 1024)}}},
        {"an empty monitor", {left, wxRect(1280, 0, 0, 0)}, 0, {}},
        {"the play monitor unknown", {left, right}, 5, {{0, left}, {1, right}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CoverPlaces(c.monitors, c.nPlay), c.expected) << c.what;
    }
}

TEST(LockDeadline, ALockNeverHeldIsNotGrantedALockHeldThenMissingIsLost) {
    constexpr std::int64_t grant = 5000, keep = 3000;
    // Each step: when, whether held, and what is reported.
    struct Step {
        std::int64_t at;
        bool bHeld;
        LockLoss expected;
    };
    struct Case {
        const char* what;
        bool bRequired;
        std::vector<Step> steps;
    };
    const std::vector<Case> cases = {
        {"held at once, kept", true, {{0, true, LockLoss::Kept}, {100000, true, LockLoss::Kept}}},
        {"never held: not granted at the grant time, once",
         true,
         {{10, false, LockLoss::Kept},
          {4999, false, LockLoss::Kept},
          {5000, false, LockLoss::NotGranted},
          {9000, false, LockLoss::Kept}}},
        {"held late within the grant time, then kept",
         true,
         {{4000, false, LockLoss::Kept},
          {4500, true, LockLoss::Kept},
          {20000, true, LockLoss::Kept}}},
        {"held, then missing for the keep time: lost, once",
         true,
         {{0, true, LockLoss::Kept},
          {10000, false, LockLoss::Kept},
          {12999, false, LockLoss::Kept},
          {13000, false, LockLoss::Lost},
          {20000, false, LockLoss::Kept}}},
        {"missing for a moment and back: the time starts again",
         true,
         {{0, true, LockLoss::Kept},
          {1000, false, LockLoss::Kept},
          {3500, true, LockLoss::Kept},
          {4000, false, LockLoss::Kept},
          {6999, false, LockLoss::Kept},
          {7000, false, LockLoss::Lost}}},
        {"not required: never reported",
         false,
         {{0, false, LockLoss::Kept},
          {60000, false, LockLoss::Kept},
          {60001, true, LockLoss::Kept},
          {90000, false, LockLoss::Kept}}},
    };
    for (const Case& c : cases) {
        CLockDeadline deadline(0, grant, keep, c.bRequired);
        for (const Step& step : c.steps) {
            EXPECT_EQ(deadline.Update(step.bHeld, step.at), step.expected)
                << c.what << " at " << step.at;
        }
    }
}

}  // namespace
