#include "app/fatal_error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "app/system_texts.h"
#include "fake_shell_platform.h"

namespace batchvcf {
namespace {

using namespace std::string_view_literals;
using ::testing::ElementsAre;
using testing::process_ended;
using testing::steps;

using fatal_error_test = testing::shell_test;

void must_not_run() {
    steps().push_back("exit routine");
}

TEST_F(fatal_error_test, the_report_text_byte_for_byte) {
    struct row {
        const char* label;
        std::int32_t code;
        std::string_view message, report;
    } const rows[] = {
        // 运行时出错!\r\n\r\n
        {"no code, no message", 0, ""sv, "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n"sv},
        // 运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n
        {"message only", 0, "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC"sv,
         "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA"
         "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC\r\n"sv},
        // 运行时出错!\r\n\r\n错误代码：-12\r\n\r\n
        {"code only", -12, ""sv,
         "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA"
         "-12\r\n\r\n"sv},
        // 运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n
        {"code and message", 4,
         "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2\xB1\xEA\xB1\xD8\xD0\xEB\xB4\xF3"
         "\xD3\xDA\xB5\xC8\xD3\xDA"
         "1"sv,
         "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA"
         "4\r\n\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD"
         "\xD3\xC3\xCF\xC2\xB1\xEA\xB1\xD8\xD0\xEB\xB4\xF3\xD3\xDA\xB5\xC8\xD3\xDA"
         "1\r\n"sv},
    };
    for (const row& each : rows) {
        SCOPED_TRACE(each.label);
        platform.error_boxes.clear();
        EXPECT_THROW(report_fatal_error(each.code, each.message), process_ended);
        ASSERT_EQ(platform.error_boxes.size(), 1u);
        EXPECT_EQ(platform.error_boxes[0], each.report);
    }
}

TEST_F(fatal_error_test, drops_the_exit_routines_and_ends_with_minus_one) {
    register_exit_routine(must_not_run);
    try {
        report_fatal_error(0, "x"sv);
    } catch (const process_ended& ended) {
        EXPECT_EQ(ended.exit_code, -1);
    }
    EXPECT_THAT(steps(), ElementsAre("error box", "finish", "exit -1"));
    EXPECT_EQ(registered_exit_routine_count(), 0);
    EXPECT_TRUE(event_gate_raised());
}

TEST_F(fatal_error_test, storage_exhaustion_names_the_bytes_asked_for) {
    EXPECT_THROW(report_storage_exhausted(1024), process_ended);
    ASSERT_EQ(platform.error_boxes.size(), 1u);
    // 运行时出错!\r\n\r\n错误信息：分配 1024 字节内存失败!\r\n
    EXPECT_EQ(
        platform.error_boxes[0],
        "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3"
        "\xBA\xB7\xD6\xC5\xE4 1024 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!\r\n"sv);
}

}  // namespace
}  // namespace batchvcf
