#include "txt2vcf/utf8_check.h"

#include <gtest/gtest.h>

namespace batchvcf::txt2vcf {
namespace {

TEST(utf8_check_test, accepts_what_rfc_3629_accepts_even_when_cut_anywhere) {
    struct row {
        const char* label;
        std::string bytes;
        bool valid;
    };
    const std::vector<row> rows = {
        {"ascii", "Zhang San 13900000000", true},
        {"chinese", "\xE7\xA4\xBA\xE4\xBE\x8B", true},
        {"four bytes", "\xF0\x9F\x98\x80", true},
        {"highest", "\xF4\x8F\xBF\xBF", true},
        {"gbk name", "\xCA\xBE\xC0\xFD", false},
        {"stray continuation", "A\x80", false},
        {"overlong slash", "\xC0\xAF", false},
        {"overlong three", "\xE0\x80\xAF", false},
        {"surrogate", "\xED\xA0\x80", false},
        {"above U+10FFFF", "\xF4\x90\x80\x80", false},
        {"unfinished at the end", "A\xE7\xA4", false},
        {"bom", "\xEF\xBB\xBF", true},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        EXPECT_EQ(is_valid_utf8(r.bytes), r.valid);
        for (std::size_t cut = 0; cut <= r.bytes.size(); ++cut) {
            utf8_validator validator;
            validator.feed(std::string_view(r.bytes).substr(0, cut));
            validator.feed(std::string_view(r.bytes).substr(cut));
            EXPECT_EQ(validator.finish(), r.valid) << "cut at " << cut;
        }
    }
}

TEST(utf8_check_test, checks_long_ascii_runs_and_what_follows_them) {
    const std::string ascii(1000, 'a');
    EXPECT_TRUE(is_valid_utf8(ascii));
    EXPECT_FALSE(is_valid_utf8(ascii + "\xFF" + ascii));
}

}  // namespace
}  // namespace batchvcf::txt2vcf
