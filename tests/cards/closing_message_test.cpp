#include "cards/closing_message.h"

#include <gtest/gtest.h>

#include <string>

namespace batchvcf {
namespace {

const std::string done =
    "\xD2\xD1\xC9\xFA\xB3\xC9\xD4\xDA\xD7\xC0\xC3\xE6\xA3\xAC\xC5\xFA\xC1\xBF"
    "\xC9\xFA\xB3\xC9\xCD\xEA\xB1\xCF\xA1\xA3";  // 已生成在桌面，批量生成完毕。
// "\r\n有 " and " 行数据不完整，已跳过：第 "
std::string skipped_head(const std::string& count) {
    return "\r\n\xD3\xD0 " + count +
           " \xD0\xD0\xCA\xFD\xBE\xDD\xB2\xBB\xCD\xEA\xD5\xFB\xA3\xAC\xD2\xD1\xCC\xF8\xB9\xFD\xA3"
           "\xBA\xB5\xDA ";
}
const std::string comma = "\xA1\xA2";                      // 、
const std::string end = " \xD0\xD0\xA1\xA3";               // " 行。"
const std::string end_more = " \xD0\xD0\xB5\xC8\xA1\xA3";  // " 行等。"

TEST(closing_message_test, lists_the_first_ten_skipped_lines) {
    struct row {
        const char* label;
        std::vector<std::int32_t> lines;
        std::string expected;
    };
    std::vector<std::int32_t> eleven;
    std::string first_ten;
    for (std::int32_t line = 1; line <= 11; ++line) {
        eleven.push_back(line * 2);
        if (line <= 10) first_ten += (line > 1 ? comma : "") + std::to_string(line * 2);
    }
    const std::vector<std::int32_t> ten(eleven.begin(), eleven.begin() + 10);
    const row rows[] = {
        {"none skipped", {}, done},
        {"one", {7}, done + skipped_head("1") + "7" + end},
        {"three", {2, 5, 11}, done + skipped_head("3") + "2" + comma + "5" + comma + "11" + end},
        {"ten", ten, done + skipped_head("10") + first_ten + end},
        {"eleven", eleven, done + skipped_head("11") + first_ten + end_more},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        skipped_lines skipped;
        for (std::int32_t line : r.lines) skipped.note(line);
        EXPECT_EQ(std::string(generation_message(skipped)), r.expected);
    }
}

}  // namespace
}  // namespace batchvcf
