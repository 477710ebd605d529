#include "text/storage.h"

#include <gtest/gtest.h>

#include <string>

#include "app/system_texts.h"
#include "support/fatal_exit.h"
#include "text/text.h"

namespace batchvcf {
namespace {

using namespace std::string_view_literals;
using testing::ended_by_fatal_report;
using testing::printed_report;

// The whole report for a failed acquisition of `bytes`: code 0 leaves the code part out.
std::string exhausted_report(std::size_t bytes) {
    return printed_report(join_texts(texts::fatal_heading, texts::fatal_message_label,
                                     texts::storage_exhausted_before,
                                     decimal_text(static_cast<std::int32_t>(bytes)),
                                     texts::storage_exhausted_after, texts::line_break));
}

using storage_death_test = ::testing::Test;

TEST(storage_death_test, join_reports_the_total_length_plus_one) {
    const text left(12, 'a'), right(8, 'b');
    EXPECT_EXIT(
        {
            fail_storage_acquisition(1);
            join_texts(left, right);
        },
        ended_by_fatal_report(), exhausted_report(21));
}

TEST(storage_death_test, divide_reports_whichever_acquisition_fails) {
    const std::string value = std::string(20, 'a') + "\r\n" + std::string(30, 'b');
    // The array of two elements is taken first, then each piece in order.
    EXPECT_EXIT(
        {
            fail_storage_acquisition(1);
            divide_text(value, "\r\n"sv);
        },
        ended_by_fatal_report(), exhausted_report(2 * sizeof(text)));
    EXPECT_EXIT(
        {
            fail_storage_acquisition(3);
            divide_text(value, "\r\n"sv);
        },
        ended_by_fatal_report(), exhausted_report(31));
}

TEST(storage_test, acquisitions_succeed_once_the_fault_is_switched_off) {
    fail_storage_acquisition(1);
    fail_storage_acquisition(0);
    EXPECT_EQ(measure_text(join_texts(std::string(40, 'x'), "y"sv)), 41);
}

}  // namespace
}  // namespace batchvcf
