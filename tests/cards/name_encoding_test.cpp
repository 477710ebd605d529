#include "cards/name_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace batchvcf {
namespace {

using namespace std::string_literals;

const std::array<replacement_pair, 5> percent_to_equals = {
    {{"%", "="}, {"", ""}, {"", ""}, {"", ""}, {"", ""}}};

struct name_row {
    const char* label;
    std::string name_gbk;
    std::string encoded;
};

std::string repeated(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

const name_row name_rows[] = {
    {"Chinese and ASCII",
     "\xCA\xBE\xC0\xFD"
     "A",
     "=E7=A4=BA=E4=BE=8B=41"},
    {"a letter", "A", "=41"},
    {"a space", " ", "=20"},
    {"a digit", "1", "=31"},
    {"a percent sign", "%", "=25"},
    {"an equals sign", "=", "=3D"},
    {"a tab gets its leading zero", "\t", "=09"},
    {"empty", "", ""},
    {"full-width comma", "\xA3\xAC", "=EF=BC=8C"},
    {"thirty characters, never broken", repeated("\xCA\xBE", 30), repeated("=E7=A4=BA", 30)},
};

TEST(name_encoding_test, every_utf8_byte_becomes_equals_and_two_uppercase_digits) {
    for (const name_row& r : name_rows) {
        SCOPED_TRACE(r.label);
        EXPECT_EQ(std::string(encode_name(r.name_gbk)), r.encoded);
    }
}

TEST(name_encoding_test, the_stages_step_by_step_give_the_same_result) {
    for (const name_row& r : name_rows) {
        SCOPED_TRACE(r.label);
        const text escaped = percent_encode(r.name_gbk);
        EXPECT_EQ(escaped.size(), r.encoded.size());
        EXPECT_EQ(std::string(replace_pairs(escaped, percent_to_equals)), r.encoded);
        if (!r.name_gbk.empty()) {
            const byte_set wide = multibyte_to_wide(r.name_gbk, code_page_gbk);
            EXPECT_EQ(wide_to_multibyte(wide, code_page_utf8), to_utf8(r.name_gbk));
        }
    }
}

TEST(name_encoding_test, append_adds_to_what_is_there) {
    text out = "N:";
    text scratch = "left over";
    append_encoded_name(
        "\xCA\xBE\xC0\xFD"
        "A",
        out, scratch);
    append_encoded_name("", out, scratch);
    EXPECT_EQ(out, "N:=E7=A4=BA=E4=BE=8B=41");
}

TEST(name_encoding_test, wide_form_is_little_endian_with_a_zero_unit) {
    const byte_set wide = multibyte_to_wide(
        "\xCA\xBE"
        "A",
        code_page_gbk);  // U+793A, U+0041
    EXPECT_EQ(wide, (byte_set{0x3A, 0x79, 0x41, 0x00, 0x00, 0x00}));
    // Conversion back stops at the first zero unit.
    const byte_set with_more = {0x41, 0x00, 0x00, 0x00, 0x42, 0x00};
    EXPECT_EQ(wide_to_multibyte(with_more, code_page_utf8), "A");
    EXPECT_EQ(wide_to_multibyte(wide, code_page_gbk),
              "\xCA\xBE"
              "A");
}

TEST(name_encoding_test, replace_pairs_applies_every_pair_in_order) {
    const std::array<replacement_pair, 5> pairs = {
        {{"%", "="}, {"=4", "#"}, {"", "x"}, {"a", "b"}, {"", ""}}};
    // "a" matches "A" as well: the pairs ignore the case of ASCII letters.
    EXPECT_EQ(replace_pairs("%41%4A%aA", pairs), "#1#b=bb");
    EXPECT_EQ(replace_pairs("", pairs), "");
}

}  // namespace
}  // namespace batchvcf
