#include "import/file_reading.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <string>

#include "import/open_files.h"
#include "support/test_files.h"
#include "text/code_page.h"
#include "text/storage.h"

namespace batchvcf {
namespace {

using namespace std::string_literals;
using testing::fixture_path;
using testing::gbk_path;
using testing::scratch_folder;
using testing::write_bytes;

std::string read_whole(const std::filesystem::path& path) {
    const opened_file opened = open_for_reading(gbk_path(path));
    EXPECT_GT(opened.file_number, 0) << std::string(opened.reason);
    file_contents contents = read_file_text(opened.file_number);
    close_open_file(opened.file_number);
    EXPECT_TRUE(contents.read) << std::string(contents.reason);
    return std::string(contents.file_text);
}

TEST(end_of_text_test, stops_at_zero_and_ctrl_z_outside_characters) {
    struct row {
        const char* label;
        std::string bytes;
        std::size_t expected;
    };
    const row rows[] = {
        {"plain text", "AB,1\r\n", 6},
        {"empty", "", 0},
        {"zero in the middle", "AB\0CD"s, 2},
        {"ctrl-z in the middle",
         "AB\x1A"
         "CD",
         2},
        {"ctrl-z first",
         "\x1A"
         "AB",
         0},
        {"ctrl-z as a second byte",
         "\x81\x1A"
         "A\x1A",
         3},
        {"lead byte before a zero", "A\xB0\0B"s, 1},
        {"lone lead byte at the end stays", "A\xB0", 2},
        {"character then a lone lead byte", "\xD5\xC5\xB0", 3},
        {"zero as a second byte after pairs", "\xD5\xC5\xB0\0"s, 2},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        EXPECT_EQ(end_of_text(r.bytes), r.expected);
    }
}

TEST(file_reading_test, reads_fixtures_up_to_the_end_of_text) {
    struct row {
        const char* fixture;
        std::string expected;
    };
    const row rows[] = {
        {"contacts_gbk.txt", testing::read_bytes(fixture_path("contacts_gbk.txt"))},
        {"zero_inside.txt", "\xD5\xC5\xC8\xFD,13800000001\r\n"},
        {"ctrl_z_inside.txt", "\xD5\xC5\xC8\xFD,1\r\n\x81\x1A,2\r\n"},
        {"utf16le_bom.txt",
         "\xFF\xFE"
         "A"},
        {"lone_lead_at_end.txt", "\xD5\xC5\xC8\xFD,1\r\nA,2\xB0"},
        {"empty.txt", ""},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.fixture);
        EXPECT_EQ(read_whole(fixture_path(r.fixture)), r.expected);
    }
}

TEST(file_reading_test, opens_a_path_with_chinese_characters) {
    scratch_folder folder;
    // 联系人.txt
    const std::filesystem::path path = folder.path() / std::filesystem::u8path("联系人.txt");
    write_bytes(path, "A,1\r\n");
    EXPECT_EQ(read_whole(path), "A,1\r\n");
}

TEST(file_reading_test, failures_carry_the_systems_reason) {
    scratch_folder folder;
    const opened_file missing = open_for_reading(gbk_path(folder / "missing.txt"));
    EXPECT_EQ(missing.file_number, 0);
    EXPECT_FALSE(missing.reason.empty());

    const opened_file a_folder = open_for_reading(gbk_path(folder.path()));
    EXPECT_EQ(a_folder.file_number, 0);

    const opened_file no_path = open_for_reading("");
    EXPECT_EQ(no_path.file_number, 0);
    EXPECT_EQ(open_file_count(), 0);
}

TEST(file_reading_test, a_fifo_without_a_writer_reads_as_empty_instead_of_hanging) {
#ifdef _WIN32
    GTEST_SKIP() << "no FIFOs in the file system on Windows";
#else
    scratch_folder folder;
    const std::filesystem::path fifo = folder / "contacts.txt";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const opened_file opened = open_for_reading(gbk_path(fifo));
    ASSERT_GT(opened.file_number, 0) << std::string(opened.reason);
    const file_contents contents = read_file_text(opened.file_number);
    close_open_file(opened.file_number);
    EXPECT_TRUE(contents.file_text.empty());
#endif
}

TEST(file_reading_test, refuses_a_file_of_two_gibibytes) {
#ifdef _WIN32
    GTEST_SKIP() << "a sparse 2 GiB file is not cheap to make here";
#else
    scratch_folder folder;
    const std::filesystem::path big = folder / "big.txt";
    write_bytes(big, "");
    std::filesystem::resize_file(big, std::uintmax_t{1} << 31);  // sparse: no data written
    const opened_file opened = open_for_reading(gbk_path(big));
    ASSERT_GT(opened.file_number, 0);
    const file_contents contents = read_file_text(opened.file_number);
    close_open_file(opened.file_number);
    EXPECT_FALSE(contents.read);
    EXPECT_FALSE(contents.reason.empty());
    EXPECT_TRUE(contents.file_text.empty());
#endif
}

TEST(file_reading_test, a_buffer_that_cannot_be_had_is_a_read_failure_not_the_end) {
    const opened_file opened = open_for_reading(gbk_path(fixture_path("contacts_gbk.txt")));
    ASSERT_GT(opened.file_number, 0);
    fail_storage_acquisition(1);  // the whole-file buffer is the next storage asked for
    const file_contents contents = read_file_text(opened.file_number);
    fail_storage_acquisition(0);
    close_open_file(opened.file_number);
    EXPECT_FALSE(contents.read);
    EXPECT_FALSE(contents.reason.empty());
    EXPECT_TRUE(contents.file_text.empty());
}

TEST(open_files_test, numbers_are_new_and_every_open_file_is_closed_at_the_end) {
    const std::filesystem::path path = fixture_path("contacts_gbk.txt");
    const opened_file first = open_for_reading(gbk_path(path));
    const opened_file second = open_for_reading(gbk_path(path));
    ASSERT_GT(first.file_number, 0);
    ASSERT_GT(second.file_number, 0);
    EXPECT_NE(first.file_number, second.file_number);
    EXPECT_EQ(open_file_count(), 2);

    close_open_file(first.file_number);
    EXPECT_FALSE(open_file_handle(first.file_number));
    close_every_open_file();
    EXPECT_EQ(open_file_count(), 0);
}

}  // namespace
}  // namespace batchvcf
