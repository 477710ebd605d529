#include "import/import_handlers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "app/system_texts.h"
#include "import/open_files.h"
#include "support/recording_window.h"
#include "support/test_files.h"
#include "text/code_page.h"

namespace batchvcf {
namespace {

using namespace std::string_literals;
using testing::fixture_path;
using testing::gbk_path;
using testing::scratch_folder;
using testing::write_bytes;

std::vector<std::string> stored_lines() {
    return {state().lines.begin(), state().lines.end()};
}

// "\r\n共有： <count> 条数据。"
std::string count_log(const std::string& count) {
    return std::string(texts::count_log_before) + count + std::string(texts::count_log_after);
}

class import_handlers_test : public ::testing::Test {
  protected:
    testing::window_fixture fixture;
    testing::recording_window& window = fixture.window;

    void import_file(const std::filesystem::path& path) {
        window.dialog_answers.push_back(gbk_path(path));
        import_text_data();
    }
};

const std::string zhang_san = "\xD5\xC5\xC8\xFD";  // 张三
const std::string li_si = "\xC0\xEE\xCB\xC4";      // 李四

TEST_F(import_handlers_test, divides_fixtures_into_lines_and_logs_path_and_count) {
    struct row {
        const char* fixture;
        std::vector<std::string> lines;
    };
    const row rows[] = {
        {"contacts_gbk.txt",
         {zhang_san + ",13800000001", li_si + ",13800000002",
          "\xCA\xBE\xC0\xFD"
          "A,13900000000"}},
        {"contacts_gbk_no_final_break.txt",
         {zhang_san + ",13800000001", li_si + ",13800000002",
          "\xCA\xBE\xC0\xFD"
          "A,13900000000"}},
        {"blank_line.txt", {zhang_san + ",13800000001", "", li_si + ",13800000002"}},
        {"lf_only.txt", {zhang_san + ",13800000001\n" + li_si + ",13800000002\n"}},
        {"zero_inside.txt", {zhang_san + ",13800000001"}},
        {"ctrl_z_inside.txt", {zhang_san + ",1", "\x81\x1A,2"}},
        // The byte-order mark stays, and 0x89 pairs with the comma after it.
        {"utf8_bom.txt", {"\xEF\xBB\xBF\xE5\xBC\xA0\xE4\xB8\x89,13800000001", "AB,1"}},
        {"utf16le_bom.txt",
         {"\xFF\xFE"
          "A"}},
        {"empty.txt", {}},
        {"lone_lead_at_end.txt", {zhang_san + ",1", "A,2\xB0"}},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.fixture);
        window.log.clear();
        const std::filesystem::path path = fixture_path(r.fixture);
        import_file(path);
        EXPECT_EQ(stored_lines(), r.lines);
        EXPECT_EQ(window.log, std::string(texts::opened_log) + gbk_path(path) +
                                  count_log(std::to_string(r.lines.size())));
        EXPECT_GT(state().file_number, 0);
        EXPECT_TRUE(window.messages.empty());
    }
    EXPECT_EQ(window.filters_at_dialog.front(), texts::text_file_filter);
}

TEST_F(import_handlers_test, log_texts_are_byte_exact) {
    const std::filesystem::path path = fixture_path("blank_line.txt");
    import_file(path);
    // "[ 已打开 ]" and three backslashes, the path, CR LF, "共有： 3 条数据。" with no line break.
    EXPECT_EQ(window.appended,
              (std::vector<std::string>{
                  "[ \xD2\xD1\xB4\xF2\xBF\xAA ]\\\\\\" + gbk_path(path),
                  "\r\n\xB9\xB2\xD3\xD0\xA3\xBA 3 \xCC\xF5\xCA\xFD\xBE\xDD\xA1\xA3"}));
}

TEST_F(import_handlers_test, cancel_changes_nothing_and_a_new_import_replaces_the_lines) {
    const std::filesystem::path first = fixture_path("contacts_gbk.txt");
    import_file(first);
    const std::string log_after_first = window.log;

    window.dialog_answers.push_back(std::nullopt);
    import_text_data();
    EXPECT_EQ(window.log, log_after_first);
    EXPECT_EQ(stored_lines().size(), 3u);

    const std::filesystem::path second = fixture_path("utf16le_bom.txt");
    import_file(second);
    EXPECT_EQ(stored_lines(), (std::vector<std::string>{"\xFF\xFE"
                                                        "A"}));
    EXPECT_EQ(window.log,
              log_after_first + std::string(texts::opened_log) + gbk_path(second) + count_log("1"));
    // Every dialog after the first choice starts at the path chosen last.
    EXPECT_EQ(window.paths_at_dialog,
              (std::vector<std::string>{"", gbk_path(first), gbk_path(first)}));
}

TEST_F(import_handlers_test, a_file_that_cannot_be_opened_is_named_and_the_lines_stay) {
    import_file(fixture_path("contacts_gbk.txt"));
    const std::string log_before = window.log;
    scratch_folder folder;
    const std::filesystem::path missing = folder / "missing.txt";

    import_file(missing);

    EXPECT_EQ(state().file_number, 0);
    EXPECT_EQ(stored_lines().size(), 3u);
    EXPECT_EQ(window.log, log_before);
    ASSERT_EQ(window.messages.size(), 1u);
    const std::string expected_start =
        std::string(texts::cannot_read_file) + gbk_path(missing) + "\r\n";
    EXPECT_EQ(window.messages[0].substr(0, expected_start.size()), expected_start);
    EXPECT_GT(window.messages[0].size(), expected_start.size());  // the system's reason
}

TEST_F(import_handlers_test, a_file_that_cannot_be_read_is_named_and_the_lines_stay) {
#ifdef _WIN32
    GTEST_SKIP() << "a sparse 2 GiB file is not cheap to make here";
#else
    import_file(fixture_path("contacts_gbk.txt"));
    scratch_folder folder;
    const std::filesystem::path big = folder / "big.txt";
    write_bytes(big, "");
    std::filesystem::resize_file(big, std::uintmax_t{1} << 31);

    import_file(big);

    EXPECT_EQ(stored_lines().size(), 3u);
    EXPECT_EQ(window.log.find(count_log("0")), std::string::npos);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(
        window.messages[0].rfind(std::string(texts::cannot_read_file) + gbk_path(big) + "\r\n", 0),
        0u);
    EXPECT_EQ(open_file_count(), 0);
#endif
}

TEST_F(import_handlers_test, the_file_is_closed_once_read_so_it_can_be_replaced) {
    scratch_folder folder;
    const std::filesystem::path path = folder / "contacts.txt";
    write_bytes(path, "A,1\r\n");
    import_file(path);
    const std::int32_t number = state().file_number;

    EXPECT_GT(number, 0);
    EXPECT_EQ(open_file_count(), 0);
    std::filesystem::remove(path);  // fails on Windows while the file is held open
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(state().file_number, number);
}

TEST_F(import_handlers_test, echo_separator_logs_the_box_content_as_it_is) {
    struct row {
        const char* label;
        std::string separator;
        std::string logged;
    };
    const row rows[] = {
        {"comma", ",", "[\xB7\xD6\xB8\xF4\xB7\xFB , ]\r\n"},
        {"empty box", "", "[\xB7\xD6\xB8\xF4\xB7\xFB  ]\r\n"},
        {"full-width comma", "\xA3\xAC", "[\xB7\xD6\xB8\xF4\xB7\xFB \xA3\xAC ]\r\n"},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        window.separator = r.separator;
        echo_separator();
        EXPECT_EQ(window.appended.back(), r.logged);
    }
}

TEST_F(import_handlers_test, an_echo_after_an_import_continues_the_count_line) {
    import_file(fixture_path("contacts_gbk.txt"));
    window.separator = ",";
    echo_separator();
    const std::string tail = count_log("3") + std::string(texts::separator_log_before) + "," +
                             std::string(texts::separator_log_after);
    EXPECT_EQ(window.log.substr(window.log.size() - tail.size()), tail);
}

}  // namespace
}  // namespace batchvcf
