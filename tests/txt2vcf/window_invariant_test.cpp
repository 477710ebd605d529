// For a CR LF file in code page 936, txt2vcf -e gbk -s SEP writes exactly what the window writes
// at its first click with separator SEP and the box clear; with -t, and lines that end in a
// one-byte character, what it writes with the box ticked.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/desktop_folder.h"
#include "cards/generate_cards.h"
#include "import/import_handlers.h"
#include "run_support.h"
#include "support/recording_window.h"
#include "support/test_files.h"
#include "text/code_page.h"

namespace batchvcf::txt2vcf {
namespace {

std::string window_cards(const std::filesystem::path& input, const std::string& separator_gbk,
                         bool ticked) {
    const batchvcf::testing::scratch_folder desktop;
    override_desktop_folder(gbk_from_utf8(testing::utf8_path(desktop.path())));
    std::string cards;
    {
        batchvcf::testing::window_fixture fixture;
        fixture.window.dialog_answers.push_back(
            std::string(gbk_from_utf8(testing::utf8_path(input))));
        import_text_data();
        fixture.window.separator = separator_gbk;
        fixture.window.box_ticked = ticked ? 1 : 0;
        generate_cards();
    }
    override_desktop_folder("");
    for (const auto& entry : std::filesystem::directory_iterator(desktop.path())) {
        if (entry.path().extension() == ".vcf") cards = batchvcf::testing::read_bytes(entry.path());
    }
    return cards;
}

TEST(window_invariant_test, both_paths_write_the_same_bytes) {
    struct row {
        const char* fixture;
        std::string separator_utf8;
    };
    const std::vector<row> rows = {
        {"contacts_space.txt", " "},
        {"contacts_comma.txt", ","},
        {"contacts_fullwidth.txt", "\xEF\xBC\x8C"},
        {"contacts_bar.txt", "|"},
        // Euro signs (0x80, one byte) after a name and at the end of a number.
        {"contacts_euro.txt", " "},
    };
    for (const row& r : rows) {
        for (const bool ticked : {false, true}) {
            SCOPED_TRACE(std::string(r.fixture) + (ticked ? ", ticked" : ", clear"));
            const auto input = batchvcf::testing::fixture_path(std::string("txt2vcf/") + r.fixture);
            std::vector<std::string> arguments = {"-q", "-e", "gbk", "-s", r.separator_utf8};
            if (ticked) arguments.push_back("-t");
            arguments.push_back(testing::utf8_path(input));
            const auto converted = testing::run(arguments);
            ASSERT_EQ(converted.status, 0) << converted.err;
            EXPECT_FALSE(converted.out.empty());
            EXPECT_EQ(converted.out,
                      window_cards(input, std::string(gbk_from_utf8(r.separator_utf8)), ticked));
        }
    }
}

}  // namespace
}  // namespace batchvcf::txt2vcf
