// SPDX-License-Identifier: GPL-3.0-or-later
// The wait for a free slot as a state machine, its limits shortened and its clock given.

#include "app/slotwait.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace std::chrono_literals;
using State = SlotWait::State;
using Availability = ServerAvailability;

// One step: at `ms` after the start, an answer (or, for `cancel`, Cancel; for no answer at all,
// TakeTime), and the state it leads to.
struct Step {
    int ms;
    std::optional<Availability> answer;
    std::uint32_t resolved = 1;
    State state = State::Waiting;
    bool cancel = false;
};

// Full, full, open: the slot opens. Always full: the time limit (1 s here) ends it. No answers:
// the silence limit (300 ms here) ends it, also while no query comes back. The host name resolves
// elsewhere: it ends. Cancel ends it, and nothing after changes that.
TEST(SlotWaitTest, EndsWhenASlotOpensAtItsLimitsWhenMovedOrCancelled) {
    const auto full = Availability::Full;
    const auto silent = Availability::NoAnswer;
    const std::vector<Step> cases[] = {
        {{10, full}, {20, full}, {30, Availability::Open, 1, State::SlotOpen}},
        {{200, full}, {400, full}, {999, full}, {1000, full, 1, State::TimeLimit}},
        {{100, silent}, {299, silent}, {300, silent, 1, State::Silent}},
        {{100, full}, {299, {}}, {399, {}}, {400, {}, 1, State::Silent}},
        {{100, full}, {200, full, 2, State::Moved}},
        {{100, full},
         {150, {}, 1, State::Cancelled, true},
         {200, Availability::Open, 1, State::Cancelled}}};
    const SlotWait::Clock::time_point start;
    for (const std::vector<Step>& steps : cases) {
        SlotWait wait("127.0.0.1:27001", "Name", 16, 16, false, start);
        wait.SetLimits({100ms, 1000ms, 300ms});
        for (const Step& step : steps) {
            const auto now = start + std::chrono::milliseconds(step.ms);
            if (step.cancel) {
                wait.Cancel();
            } else if (step.answer) {
                wait.TakeAnswer(*step.answer, 15, 16, step.resolved, now);
            } else {
                wait.TakeTime(now);
            }
            EXPECT_EQ(wait.GetState(), step.state) << &steps - cases << " at " << step.ms;
        }
    }
}

}  // namespace
