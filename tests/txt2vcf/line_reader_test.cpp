#include "txt2vcf/line_reader.h"

#include <gtest/gtest.h>

#include "stream_doubles.h"

namespace batchvcf::txt2vcf {
namespace {

using testing::lines_of;
using testing::string_source;
using strings = std::vector<std::string>;

TEST(line_reader_test, ends_lines_at_crlf_lf_and_lone_cr_wherever_the_reads_cut) {
    struct row {
        const char* label;
        std::string input;
        strings expected;
    };
    const std::vector<row> rows = {
        {"crlf", "a 1\r\nb 2\r\n", {"a 1", "b 2"}},
        {"no final ending", "a 1\r\nb 2", {"a 1", "b 2"}},
        {"lf", "a\nb\n", {"a", "b"}},
        {"lone cr", "a\rb\r", {"a", "b"}},
        {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"cr cr lf is an empty line between", "a\r\r\nb", {"a", "", "b"}},
        {"lf cr is two endings", "a\n\rb", {"a", "", "b"}},
        {"blank lines kept for numbering", "\r\n\r\na\r\n", {"", "", "a"}},
        {"empty input", "", {}},
        {"utf-8 bom dropped",
         "\xEF\xBB\xBF"
         "a 1\r\n",
         {"a 1"}},
        {"bom only at the start",
         "a\r\n\xEF\xBB\xBF"
         "b",
         {"a",
          "\xEF\xBB\xBF"
          "b"}},
        {"gbk bytes untouched",
         "\xCA\xBE\xC0\xFD"
         "A 1\r\n",
         {"\xCA\xBE\xC0\xFD"
          "A 1"}},
        {"ctrl-z ends the text",
         "a\r\nb\x1A"
         "c\r\n",
         {"a", "b"}},
        {"nul ends the text", std::string("a\r\n\0b\r\n", 7), {"a"}},
        {"ctrl-z at the very end", "a\r\n\x1A", {"a"}},
    };
    for (const row& r : rows) {
        for (const std::size_t piece :
             {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{1} << 20}) {
            SCOPED_TRACE(std::string(r.label) + ", pieces of " + std::to_string(piece));
            EXPECT_EQ(lines_of(r.input, piece), r.expected);
        }
    }
}

TEST(line_reader_test, code_page_936_pairs_bytes_as_the_window_imports_them) {
    struct row {
        const char* label;
        std::string input;
        strings expected;
    };
    const std::vector<row> rows = {
        {"crlf after an unpaired byte joins the next line",
         "a 1\x80\r\nb 2\r\nc 3\r\n",
         {"a 1\x80\r\nb 2", "c 3"}},
        {"crlf after a whole character ends the line", "\xCA\xBE\r\nb\r\n", {"\xCA\xBE", "b"}},
        {"lf after an unpaired byte still ends the line", "a\x80\nb\n", {"a\x80", "b"}},
        {"lone cr after an unpaired byte still ends the line", "a\x80\rb", {"a\x80", "b"}},
        {"ctrl-z as a partner ends nothing",
         "a\x81\x1A"
         "b\r\nc",
         {"a\x81\x1A"
          "b",
          "c"}},
        {"a lead byte before a nul goes with it", std::string("a\x81\0b\r\n", 6), {"a"}},
        {"a lone lead byte at the very end stays", "a\r\nb\x81", {"a", "b\x81"}},
    };
    for (const row& r : rows) {
        for (const std::size_t piece :
             {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{1} << 20}) {
            SCOPED_TRACE(std::string(r.label) + ", pieces of " + std::to_string(piece));
            EXPECT_EQ(lines_of(r.input, piece, true), r.expected);
        }
    }
    // The same bytes read as UTF-8 end their lines at every CR LF.
    EXPECT_EQ(lines_of("a 1\x80\r\nb 2\r\n"), (strings{"a 1\x80", "b 2"}));
}

TEST(line_reader_test, numbers_lines_and_tells_where_an_end_mark_cut_the_text) {
    string_source source(
        "a\r\n\r\nb\nc\x1A"
        "rest");
    line_reader reader(source, true);
    std::string_view line;
    std::vector<std::int64_t> numbers;
    while (reader.next(line) != line_reader::status::end) numbers.push_back(reader.line_number());
    EXPECT_EQ(numbers, (std::vector<std::int64_t>{1, 2, 3, 4}));
    EXPECT_TRUE(reader.ignored_rest());
    EXPECT_EQ(reader.mark_line(), 4);

    // A line that took in a CR LF counts for both physical lines.
    string_source joined("a\x80\r\nb\r\nc\r\nd\x1A", 2);
    line_reader joined_reader(joined, true, true);
    numbers.clear();
    while (joined_reader.next(line) != line_reader::status::end)
        numbers.push_back(joined_reader.line_number());
    EXPECT_EQ(numbers, (std::vector<std::int64_t>{1, 3, 4}));

    string_source clean("a\r\n\x1A");
    line_reader clean_reader(clean, true);
    while (clean_reader.next(line) != line_reader::status::end) {
    }
    EXPECT_FALSE(clean_reader.ignored_rest());
}

TEST(line_reader_test, passes_over_a_line_too_long_to_hold_and_goes_on) {
    const std::string huge(line_reader::longest_line + 10, 'x');
    for (const std::size_t piece : {std::size_t{4096}, std::size_t{1} << 22}) {
        SCOPED_TRACE(piece);
        EXPECT_EQ(lines_of("a 1\r\n" + huge + "\r\nb 2\r\n", piece),
                  (strings{"a 1", "<too long>", "b 2"}));
        EXPECT_EQ(lines_of("a 1\n" + huge, piece), (strings{"a 1", "<too long>"}));
    }
}

TEST(line_reader_test, stops_at_a_read_failure_and_leaves_it_to_the_source) {
    string_source source("a 1\r\nb 2\r\nc 3\r\n", 4);
    source.fail_after(7);
    line_reader reader(source, true);
    std::string_view line;
    ASSERT_EQ(reader.next(line), line_reader::status::line);
    EXPECT_EQ(line, "a 1");
    while (reader.next(line) != line_reader::status::end) {
    }
    EXPECT_TRUE(source.failed());
}

}  // namespace
}  // namespace batchvcf::txt2vcf
