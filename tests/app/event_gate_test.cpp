#include "app/event_gate.h"

#include <gtest/gtest.h>

#include "fake_shell_platform.h"

namespace batchvcf {
namespace {

using event_gate_test = testing::shell_test;

int handler_runs = 0;
void count_run() {
    ++handler_runs;
}

TEST_F(event_gate_test, events_are_discarded_while_the_gate_is_above_zero) {
    handler_runs = 0;
    dispatch_event(count_run);
    EXPECT_EQ(handler_runs, 1);

    raise_event_gate();
    raise_event_gate();
    lower_event_gate();
    dispatch_event(count_run);
    EXPECT_EQ(handler_runs, 1) << "one raise is still in force";

    lower_event_gate();
    lower_event_gate();  // never below zero: the next raise counts again
    dispatch_event(count_run);
    EXPECT_EQ(handler_runs, 2) << "a discarded event is not kept for later";
    dispatch_event(nullptr);  // an event without a handler does nothing

    raise_event_gate();
    dispatch_event(count_run);
    EXPECT_EQ(handler_runs, 2);
}

}  // namespace
}  // namespace batchvcf
