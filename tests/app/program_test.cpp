#include "app/program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "app/system_texts.h"
#include "fake_shell_platform.h"

namespace batchvcf {
namespace {

using namespace std::string_view_literals;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::process_ended;
using testing::steps;

using program_test = testing::shell_test;

void record_handler() {
    steps().push_back("handler");
}

void record_gate() {
    steps().push_back(event_gate_raised() ? "gate raised" : "gate lowered");
    dispatch_event(record_handler);  // what a content change of the separator box would do
}

void first_routine() {
    steps().push_back(measure_text(state().card_text) == 0 ? "first routine, state released"
                                                           : "first routine, state kept");
}
void second_routine() {
    steps().push_back("second routine");
}

int exit_code_of(void (*run)()) {
    try {
        run();
    } catch (const process_ended& ended) {
        return ended.exit_code;
    }
    ADD_FAILURE() << "the process did not end";
    return INT_MIN;
}

TEST_F(program_test, starts_in_order_with_the_gate_raised_while_the_window_is_built) {
    state().file_number = 7;
    state().lines = divide_text("left over\r\n"sv, "\r\n"sv);
    platform.while_building = [] {
        record_gate();
        steps().push_back("state " + std::to_string(state().file_number) + " " +
                          std::to_string(element_count(state().lines)) + ", exit routines " +
                          std::to_string(registered_exit_routine_count()));
    };
    platform.while_looping = [] {
        record_gate();
        state().card_text = text("BEGIN:VCARD\r\nVERSION:2.1\r\n");
        register_exit_routine(first_routine);
        register_exit_routine(second_routine);
        register_exit_routine(first_routine);
    };

    EXPECT_EQ(run_window_program(platform), 0);

    // The normal end: every exit routine once, in the order registered (release_program_state
    // first), then the platform's share; no process exit of its own.
    EXPECT_THAT(steps(), ElementsAre("initialise", "build window", "gate raised",
                                     "state 0 0, exit routines 1", "show window", "message loop",
                                     "gate lowered", "handler", "first routine, state released",
                                     "second routine", "finish"));
    EXPECT_EQ(registered_exit_routine_count(), 0);
    EXPECT_TRUE(event_gate_raised()) << "nothing may run a handler once the program ends";
    EXPECT_EQ(start_routine(), 0);
}

TEST_F(program_test, a_window_that_cannot_be_had_ends_through_the_fatal_report) {
    struct row {
        const char* label;
        bool description_readable, window_builds;
        std::vector<std::string> steps;
        std::string_view message;
    } const rows[] = {
        {"description unreadable",
         false,
         true,
         {"initialise", "error box", "finish", "exit -1"},
         texts::description_unreadable},
        {"window not built",
         true,
         false,
         {"initialise", "build window", "error box", "finish", "exit -1"},
         texts::main_window_failed},
    };
    for (const row& each : rows) {
        SCOPED_TRACE(each.label);
        reset_shell();
        platform.description_readable = each.description_readable;
        platform.window_builds = each.window_builds;
        platform.error_boxes.clear();
        platform.while_building = [] { state().card_text = text("kept"); };

        EXPECT_EQ(exit_code_of([] { program_main(); }), -1);

        EXPECT_THAT(steps(), ElementsAreArray(each.steps));
        ASSERT_EQ(platform.error_boxes.size(), 1u);
        EXPECT_EQ(std::string_view(platform.error_boxes[0]),
                  join_texts(texts::fatal_heading, texts::fatal_message_label, each.message,
                             texts::line_break));
        EXPECT_EQ(registered_exit_routine_count(), 0);
        if (each.window_builds == false) {
            EXPECT_EQ(state().card_text, "kept") << "release_program_state must not run";
        }
    }
}

}  // namespace
}  // namespace batchvcf
