#include "cards/write_whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cards/scratch_desktop.h"
#include "support/test_files.h"

namespace batchvcf {
namespace {

using namespace std::string_literals;
using testing::gbk_path;
using testing::read_bytes;
using testing::scratch_folder;
using testing::write_bytes;

int entries_in(const std::filesystem::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

TEST(write_whole_file_test, writes_exactly_the_bytes_and_replaces_the_old_file) {
    scratch_folder folder;
    const std::filesystem::path path = folder.path() / std::filesystem::u8path("批量VCF.vcf");
    struct row {
        const char* label;
        std::string bytes;
    };
    const row rows[] = {
        {"new file", "BEGIN:VCARD\r\n"},
        {"longer over shorter", std::string(100000, 'x') + "\r\n\x80\xFF"},
        {"shorter over longer", "ab"},
        {"nothing", ""},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        const write_outcome outcome = write_whole_file(gbk_path(path), r.bytes);
        EXPECT_TRUE(outcome.written) << std::string(outcome.reason);
        EXPECT_EQ(read_bytes(path), r.bytes);
        EXPECT_EQ(entries_in(folder.path()), 1) << "no temporary file left behind";
    }
}

TEST(write_whole_file_test, a_missing_folder_is_a_failure_with_a_reason) {
    scratch_folder folder;
    const std::filesystem::path path = folder / "missing" / "cards.vcf";
    const write_outcome outcome = write_whole_file(gbk_path(path), "x");
    EXPECT_FALSE(outcome.written);
    EXPECT_FALSE(outcome.reason.empty());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(write_whole_file_test, a_failed_replace_leaves_the_old_file_whole) {
    scratch_folder folder;
    // A folder with something in it where the file should go: the rename over it must fail.
    const std::filesystem::path path = folder / "cards.vcf";
    std::filesystem::create_directory(path);
    write_bytes(path / "keep.txt", "old");

    const write_outcome outcome = write_whole_file(gbk_path(path), "new");

    EXPECT_FALSE(outcome.written);
    EXPECT_FALSE(outcome.reason.empty());
    EXPECT_EQ(read_bytes(path / "keep.txt"), "old");
    EXPECT_EQ(entries_in(folder.path()), 1) << "the temporary file is removed";
}

TEST(write_whole_file_test, a_linked_card_file_is_written_where_the_link_points) {
#ifdef _WIN32
    GTEST_SKIP() << "links need rights a test can't count on here";
#else
    scratch_folder folder;
    std::filesystem::create_directory(folder / "real");
    const std::filesystem::path target = folder / "real" / "cards.vcf";
    const std::filesystem::path link = folder / "cards.vcf";
    write_bytes(target, "old");
    std::filesystem::create_symlink(target, link);

    const write_outcome outcome = write_whole_file(gbk_path(link), "new");

    EXPECT_TRUE(outcome.written) << std::string(outcome.reason);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(read_bytes(target), "new");
    EXPECT_EQ(entries_in(folder / "real"), 1);
#endif
}

}  // namespace
}  // namespace batchvcf
