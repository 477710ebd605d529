#include "txt2vcf/line_fields.h"

#include <gtest/gtest.h>

namespace batchvcf::txt2vcf {
namespace {

TEST(line_fields_test, first_two_fields_divide_as_the_window_divides) {
    struct row {
        const char* label;
        std::string line;
        std::string separator;
        bool gbk;
        int count;
        std::string name;
        std::string number;
    };
    const std::vector<row> rows = {
        {"plain",
         "\xCA\xBE\xC0\xFD"
         "A,139",
         ",", true, 2,
         "\xCA\xBE\xC0\xFD"
         "A",
         "139"},
        {"third field ignored", "A,139,x", ",", true, 2, "A", "139"},
        {"empty name", ",139", ",", true, 2, "", "139"},
        {"two separators: empty number", "A,,139", ",", true, 2, "A", ""},
        {"separator at the end: one field", "A,", ",", true, 1, "A", ""},
        {"no separator", "A139", ",", true, 1, "A139", ""},
        {"empty line", "", ",", true, 0, "", ""},
        {"spaces kept", "A , 139", ",", true, 2, "A ", " 139"},
        {"long separator", "A--139", "--", true, 2, "A", "139"},
        // 0x83 0x7C is one character whose second byte is a vertical bar.
        {"no match inside a character", "\x83\x7C|5", "|", true, 2, "\x83\x7C", "5"},
        {"full-width comma",
         "A\xA3\xAC"
         "139",
         "\xA3\xAC", true, 2, "A", "139"},
        {"lead byte at the end", "A,1\x81", ",", true, 2, "A", "1\x81"},
        {"utf-8",
         "\xE7\xA4\xBA"
         "A\xEF\xBC\x8C"
         "139",
         "\xEF\xBC\x8C", false, 2,
         "\xE7\xA4\xBA"
         "A",
         "139"},
        {"utf-8 bar", "\xE5\x84\x84|5", "|", false, 2, "\xE5\x84\x84", "5"},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        const leading_fields fields = first_two_fields(r.line, r.separator, r.gbk);
        EXPECT_EQ(fields.count, r.count);
        if (fields.count >= 1) {
            EXPECT_EQ(fields.name, r.name);
        }
        if (fields.count == 2) {
            EXPECT_EQ(fields.number, r.number);
        }
    }
}

TEST(line_fields_test, last_character_is_a_whole_character) {
    struct row {
        const char* label;
        std::string line;
        bool gbk;
        std::size_t start;
    };
    const std::vector<row> rows = {
        {"ascii", "A 1391", true, 5},
        {"two-byte end", "A 1\xCA\xBE", true, 3},
        {"trail byte looks ascii", "A\x83\x7C", true, 1},
        {"after a two-byte character",
         "\xCA\xBE"
         "1",
         true, 2},
        {"four-byte gb18030", "A\x81\x30\x81\x30", true, 1},
        {"lone lead byte at the end", "A\x81", true, 1},
        {"empty", "", true, 0},
        {"utf-8 three bytes", "A\xE7\xA4\xBA", false, 1},
        {"utf-8 four bytes", "A\xF0\x9F\x98\x80", false, 1},
        {"utf-8 ascii", "AB", false, 1},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        EXPECT_EQ(last_character_start(r.line, r.gbk), r.start);
    }
}

}  // namespace
}  // namespace batchvcf::txt2vcf
