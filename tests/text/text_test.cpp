#include "text/text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "app/system_texts.h"
#include "support/fatal_exit.h"

namespace batchvcf {
namespace {

using namespace std::string_view_literals;
using ::testing::ElementsAreArray;
using strings = std::vector<std::string>;

strings pieces_of(const text_array& array) {
    strings pieces;
    for (const text& element : array) pieces.emplace_back(element);
    return pieces;
}

// 億 in code page 936 is 0x83 0x7C: its second byte is the vertical bar.
constexpr std::string_view yi = "\x83\x7C"sv;

TEST(text_test, measure_counts_bytes_up_to_the_first_zero) {
    struct row {
        const char* label;
        std::string_view value;
        std::int32_t length;
    } const rows[] = {
        {"empty", ""sv, 0},
        {"ascii", "abc"sv, 3},
        {"two-byte characters count 2", "\xD2\xBB\xB6\xFE"sv, 4},  // 一二
        {"conversion buffer ends at its zero", "ab\0  "sv, 2},
    };
    for (const row& each : rows) {
        SCOPED_TRACE(each.label);
        EXPECT_EQ(measure_text(each.value), each.length);
    }
    EXPECT_EQ(measure_text(text()), 0);
}

TEST(text_test, join_copies_the_operands_in_order) {
    const text a("A"), empty;
    EXPECT_EQ(join_texts(a, "\r\n"sv), "A\r\n");
    EXPECT_EQ(join_texts(a, empty, "bc"sv), "Abc");
    EXPECT_EQ(join_texts("0"sv, a, a, "9"sv), "0AA9");
    EXPECT_EQ(join_texts(empty, ""sv), "");

    // The receiver may join its own stored value and let the result replace it.
    text card_text("BEGIN:VCARD\r\n");
    for (int i = 0; i < 3; ++i) card_text = join_texts(card_text, card_text, "|"sv);
    EXPECT_EQ(measure_text(card_text), 8 * 13 + 7);
    EXPECT_EQ(card_text.substr(0, 27), "BEGIN:VCARD\r\nBEGIN:VCARD\r\n|");
}

TEST(text_test, a_filled_conversion_buffer_reads_as_the_text_before_its_zero) {
    text buffer = space_filled_text(6);
    buffer[0] = 'o';
    buffer[1] = 'k';
    buffer[2] = '\0';  // where the conversion ended its output
    EXPECT_EQ(measure_text(buffer), 2);
    EXPECT_EQ(join_texts(buffer, "!"sv), "ok!");
    EXPECT_EQ(text_order(buffer, "ok"sv), 0);
    EXPECT_EQ(byte_set_size(as_byte_set(buffer)), 2);

    buffer[0] = '\0';
    EXPECT_EQ(text_order(buffer, ""sv), 0);
}

TEST(text_test, order_compares_unsigned_bytes_and_a_shorter_text_is_smaller) {
    struct row {
        const char* label;
        std::string_view left, right;
        int order;
    } const rows[] = {
        {"both empty", ""sv, ""sv, 0},
        {"equal", "abc"sv, "abc"sv, 0},
        {"text against empty", "a"sv, ""sv, 1},
        {"empty against text", ""sv, "a"sv, -1},
        {"prefix is smaller", "ab"sv, "abc"sv, -1},
        {"first difference decides", "abd"sv, "abc"sv, 1},
        {"0x80 sorts after a", "\x80"sv, "a"sv, 1},
        {"a sorts before 0xB0", "a"sv, "\xB0\xA1"sv, -1},
    };
    for (const row& each : rows) {
        SCOPED_TRACE(each.label);
        EXPECT_EQ(text_order(each.left, each.right), each.order);
    }
    text released("x");
    release_text(released);
    EXPECT_EQ(text_order(released, ""sv), 0);
}

TEST(text_test, leading_bytes_cut_bytes_not_characters) {
    struct row {
        const char* label;
        std::string_view value;
        std::int32_t count;
        std::string_view expected;
    } const rows[] = {
        {"two of three", "abc"sv, 2, "ab"sv},
        {"more than there are", "abc"sv, 5, "abc"sv},
        {"zero", "abc"sv, 0, ""sv},
        {"minus one", "abc"sv, -1, ""sv},
        {"empty text, minus one", ""sv, -1, ""sv},
        {"cut inside a character keeps its lead byte", "5\xD2\xBB"sv, 2, "5\xD2"sv},
    };
    for (const row& each : rows) {
        SCOPED_TRACE(each.label);
        EXPECT_EQ(leading_bytes(each.value, each.count), each.expected);
    }
}

TEST(text_test, divide_splits_at_every_separator_outside_two_byte_characters) {
    struct row {
        const char* label;
        std::string_view value, separator;
        strings pieces;
    } const rows[] = {
        {"empty text", ""sv, "\r\n"sv, {}},
        {"empty text, empty separator", ""sv, ""sv, {}},
        {"empty separator gives the whole text", "A,1"sv, ""sv, {"A,1"}},
        {"no separator", "A 1"sv, ","sv, {"A 1"}},
        {"shorter than the separator", "A"sv, "\r\n"sv, {"A"}},
        {"separator at the end adds no piece", "A\r\nB\r\n"sv, "\r\n"sv, {"A", "B"}},
        {"two separators in a row", "A\r\n\r\nB"sv, "\r\n"sv, {"A", "", "B"}},
        {"separator at the start", "\r\nA"sv, "\r\n"sv, {"", "A"}},
        {"empty line before the end", "A\r\n\r\n"sv, "\r\n"sv, {"A", ""}},
        {"separator alone", "\r\n"sv, "\r\n"sv, {""}},
        {"CR without LF stays in the piece", "A\r"sv, "\r\n"sv, {"A\r"}},
        {"second byte of a character is no separator",
         "\x83\x7C|5"sv,
         "|"sv,
         {std::string(yi), "5"}},
        {"two-byte separator",
         "\xD5\xC5\xA3\xAC"
         "138"sv,
         "\xA3\xAC"sv,
         {"\xD5\xC5", "138"}},
        {"no match across a character boundary", "\xB0\xA3\xAC"sv, "\xA3\xAC"sv, {"\xB0\xA3\xAC"}},
        {"a lead byte takes the next byte along", "a|\x83|b"sv, "|"sv, {"a", "\x83|b"}},
        {"lone lead byte at the end", "a|\x83"sv, "|"sv, {"a", "\x83"}},
        {"separator starting with a lead byte", "x\xA1\xA1y"sv, "\xA1\xA1"sv, {"x", "y"}},
    };
    for (const row& each : rows) {
        SCOPED_TRACE(each.label);
        EXPECT_THAT(pieces_of(divide_text(each.value, each.separator)),
                    ElementsAreArray(each.pieces));
    }
}

TEST(text_test, substitute_replaces_every_match_left_to_right) {
    struct row {
        const char* label;
        std::string_view value, search, replacement;
        std::int32_t start;
        bool exact_case;
        std::string_view expected;
    } const rows[] = {
        {"percent to equals", "%E7%A4%BA%41"sv, "%"sv, "="sv, 1, false, "=E7=A4=BA=41"sv},
        {"empty search gives a copy", "%41"sv, ""sv, "="sv, 1, false, "%41"sv},
        {"empty text", ""sv, "%"sv, "="sv, 1, false, ""sv},
        {"search longer than the text", "%"sv, "%%"sv, "="sv, 1, false, "%"sv},
        {"letters match either case", "aBc-ABC-abc"sv, "abc"sv, "x"sv, 1, false, "x-x-x"sv},
        {"exact case", "aBc-ABC-abc"sv, "abc"sv, "x"sv, 1, true, "aBc-ABC-x"sv},
        {"only letters fold", "[{"sv, "["sv, "x"sv, 1, false, "x{"sv},
        {"matches never overlap", "aaa"sv, "aa"sv, "b"sv, 1, false, "ba"sv},
        {"a replacement is not scanned again", "%%"sv, "%"sv, "%%"sv, 1, false, "%%%%"sv},
        {"replacement by nothing", "a%b%"sv, "%"sv, ""sv, 1, false, "ab"sv},
        {"second byte of a character is no match", "\x83%%"sv, "%"sv, "="sv, 1, false, "\x83%="sv},
        {"start position 3", "%%%"sv, "%"sv, "="sv, 3, false, "%%="sv},
        {"start position below 1 scans everything", "%%"sv, "%"sv, "="sv, -5, false, "=="sv},
        {"start position past the end", "%%"sv, "%"sv, "="sv, 3, false, "%%"sv},
        {"lowest start position", "%"sv, "%"sv, "="sv, INT32_MIN, false, "="sv},
    };
    for (const row& each : rows) {
        SCOPED_TRACE(each.label);
        EXPECT_EQ(
            substitute_text(each.value, each.search, each.replacement, each.start, each.exact_case),
            each.expected);
    }
}

TEST(text_test, byte_sets_hold_the_bytes_without_a_terminator) {
    const byte_set bytes = as_byte_set("a\x83\x7C"sv);
    ASSERT_EQ(byte_set_size(bytes), 3);
    EXPECT_EQ(element_at(bytes, 1), 'a');
    EXPECT_EQ(element_at(bytes, 2), 0x83u);  // unsigned, never negative
    EXPECT_EQ(element_at(bytes, 3), 0x7Cu);

    EXPECT_EQ(byte_set_size(as_byte_set(""sv)), 0);
    EXPECT_EQ(byte_set_size(constant_empty_value), 0);
    EXPECT_EQ(element_count(constant_empty_value), 0);
}

TEST(text_test, filled_values_for_conversion_buffers) {
    EXPECT_EQ(space_filled_text(3), "   ");
    EXPECT_EQ(space_filled_text(0), "");
    EXPECT_EQ(space_filled_text(-2), "");
    EXPECT_EQ(zero_filled_byte_set(4), byte_set(4, 0));
    EXPECT_EQ(byte_set_size(zero_filled_byte_set(0)), 0);
    EXPECT_EQ(byte_set_size(zero_filled_byte_set(-1)), 0);
}

TEST(text_test, numbers_as_text) {
    struct row {
        std::int32_t value;
        std::string_view decimal;
    } const decimals[] = {
        {0, "0"sv},
        {7, "7"sv},
        {120, "120"sv},
        {-45, "-45"sv},
        {INT32_MAX, "2147483647"sv},
        {INT32_MIN, "-2147483648"sv},
    };
    for (const row& each : decimals) EXPECT_EQ(decimal_text(each.value), each.decimal);

    struct hex_row {
        std::uint32_t value;
        std::string_view digits;
    } const hexes[] = {
        {0, "0"sv},   {10, "A"sv},   {15, "F"sv},
        {16, "10"sv}, {255, "FF"sv}, {0xFFFFFFFFu, "FFFFFFFF"sv},
    };
    for (const hex_row& each : hexes) EXPECT_EQ(hex_digits(each.value), each.digits);
}

TEST(text_test, chop_truncates_toward_zero) {
    EXPECT_EQ(chop_to_integer(-1.0), -1);
    EXPECT_EQ(chop_to_integer(2.9), 2);
    EXPECT_EQ(chop_to_integer(-2.9), -2);
    EXPECT_EQ(chop_to_integer(0 - 1.0), -1);
    EXPECT_EQ(chop_to_integer(3000000000.0), 3000000000LL);
}

TEST(text_test, array_elements_are_slots_from_one_to_the_count) {
    text_array lines = divide_text("A\r\n\r\nC"sv, "\r\n"sv);
    ASSERT_EQ(element_count(lines), 3);
    EXPECT_EQ(element_at(lines, 1), "A");
    EXPECT_EQ(element_at(lines, 2), "");
    EXPECT_EQ(element_at(lines, 3), "C");

    // Replacing through the slot: compute the new value, then let it take the old one's place.
    text shorter = leading_bytes(element_at(lines, 3), measure_text(element_at(lines, 3)) - 1);
    element_at(lines, 3) = std::move(shorter);
    EXPECT_EQ(element_at(lines, 3), "");
    EXPECT_EQ(element_count(lines), 3);

    EXPECT_EQ(element_count(empty_text_array()), 0);
}

TEST(text_test, releasing_leaves_empty_values) {
    text_array lines = divide_text("A\r\n\r\nlong enough to take storage of its own"sv, "\r\n"sv);
    release_text_array(lines);
    EXPECT_EQ(element_count(lines), 0);
    lines = constant_empty_value;  // an array variable may stand for the constant empty value
    EXPECT_EQ(element_count(lines), 0);

    text empty;
    release_text(empty);
    EXPECT_EQ(measure_text(empty), 0);
    byte_set none = constant_empty_value;
    release_byte_set(none);
    EXPECT_EQ(byte_set_size(none), 0);
}

using text_death_test = ::testing::Test;

TEST(text_death_test, an_index_out_of_range_ends_the_program_with_its_report) {
    using testing::ended_by_fatal_report;
    using testing::printed_report;
    text_array lines = divide_text("A\r\nB"sv, "\r\n"sv);
    const byte_set bytes = as_byte_set("ab"sv);

    const std::string below =
        printed_report(join_texts(texts::fatal_code_label, "4\r\n\r\n"sv,
                                  texts::fatal_message_label, texts::index_below_one));
    const std::string past = printed_report(join_texts(
        texts::fatal_code_label, "1\r\n\r\n"sv, texts::fatal_message_label, texts::index_past_end));
    EXPECT_EXIT(element_at(lines, 0), ended_by_fatal_report(), below);
    EXPECT_EXIT(element_at(lines, -1), ended_by_fatal_report(), below);
    EXPECT_EXIT(element_at(lines, 3), ended_by_fatal_report(), past);
    EXPECT_EXIT(element_at(bytes, 0), ended_by_fatal_report(), below);
    EXPECT_EXIT(element_at(bytes, 3), ended_by_fatal_report(), past);
    EXPECT_EXIT(element_at(empty_text_array(), 1), ended_by_fatal_report(), past);
}

}  // namespace
}  // namespace batchvcf
