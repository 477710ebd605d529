#include "app/exit_routines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_shell_platform.h"

namespace batchvcf {
namespace {

using ::testing::ElementsAre;
using testing::steps;

using exit_routines_test = testing::shell_test;

void first() {
    steps().push_back("first");
}
void second() {
    steps().push_back("second");
}

TEST_F(exit_routines_test, a_routine_registered_twice_runs_once_in_its_first_place) {
    register_exit_routine(first);
    register_exit_routine(second);
    register_exit_routine(first);
    EXPECT_EQ(registered_exit_routine_count(), 2);

    run_exit_routines();
    EXPECT_THAT(steps(), ElementsAre("first", "second"));
    EXPECT_EQ(registered_exit_routine_count(), 0);

    run_exit_routines();
    EXPECT_THAT(steps(), ElementsAre("first", "second")) << "the list was emptied";
}

}  // namespace
}  // namespace batchvcf
