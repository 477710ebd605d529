#include "text/code_page.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace batchvcf {
namespace {

// "CA BE 41" -> the three bytes; keeps the tables readable as the byte dumps they are.
std::string bytes(std::string_view hex) {
    std::string out;
    unsigned value = 0;
    int digits = 0;
    for (const char c : hex) {
        if (c == ' ') continue;
        value = value * 16 + static_cast<unsigned>(c <= '9' ? c - '0' : c - 'A' + 10);
        if (++digits == 2) {
            out.push_back(static_cast<char>(value));
            value = 0;
            digits = 0;
        }
    }
    return out;
}

std::string hex(std::string_view value) {
    std::string out;
    char digits[4];
    for (const char c : value) {
        std::snprintf(digits, sizeof digits, "%02X ", static_cast<unsigned char>(c));
        out += digits;
    }
    if (!out.empty()) out.pop_back();
    return out;
}

std::u16string units_of(char32_t code_point) {
    if (code_point < 0x10000) return std::u16string(1, static_cast<char16_t>(code_point));
    const char32_t offset = code_point - 0x10000;
    return {static_cast<char16_t>(0xD800 + (offset >> 10)),
            static_cast<char16_t>(0xDC00 + (offset & 0x3FF))};
}

struct decoding {
    const char* label;
    std::string_view gbk;
    std::string_view utf8;
};

// The same rows pass on Linux and on Windows: what Windows' code page 936 makes of each valid
// sequence, U+FFFD for what it cannot read.
constexpr decoding decodings[] = {
    {"empty", "", ""},
    {"ascii", "41 20 31 7E", "41 20 31 7E"},
    {"name 示例A", "CA BE C0 FD 41", "E7 A4 BA E4 BE 8B 41"},
    {"full-width comma", "A3 AC", "EF BC 8C"},
    {"lone 0x80 is the euro sign", "80", "E2 82 AC"},
    {"lone 0xFF", "FF", "EF A3 B5"},
    {"0xFF is no lead byte", "FF 41", "EF A3 B5 41"},
    {"A8BC keeps its private-use character", "A8 BC", "EE 9F 87"},
    {"A2E3 keeps its private-use character", "A2 E3", "EE 9D AC"},
    {"user-defined area", "AA A1", "EE 80 80"},
    {"four-byte U+0080", "81 30 81 30", "C2 80"},
    {"four-byte U+1E3F, the form A8BC lacks", "81 35 F4 37", "E1 B8 BF"},
    {"four-byte U+01F9, whose two-byte cell 936 gives away", "83 36 C8 30", "C7 B9"},
    {"four-byte last BMP slot", "84 31 A4 39", "EF BF BF"},
    {"four-byte U+10000", "90 30 81 30", "F0 90 80 80"},
    {"four-byte U+10FFFF", "E3 32 9A 35", "F4 8F BF BF"},
    {"bad trail byte: the lead alone is lost", "41 81 7F 42", "41 EF BF BD 7F 42"},
    {"lead before a space", "B0 20 41", "EF BF BD 20 41"},
    {"lone lead at the end", "41 B0", "41 EF BF BD"},
    {"cut four-byte keeps its digit", "81 30 41", "EF BF BD 30 41"},
    {"cut four-byte at the end", "81 30 81", "EF BF BD 30 EF BF BD"},
    {"four-byte past the BMP range", "84 31 A5 30 41", "EF BF BD 41"},
    {"four-byte past U+10FFFF", "E3 32 9A 36", "EF BF BD"},
    {"bad bytes mid-string", "CA BE 81 FF B0", "E7 A4 BA EF BF BD EF A3 B5 EF BF BD"},
};

TEST(code_page_test, decodes_as_windows_reads_code_page_936) {
    for (const decoding& row : decodings) {
        SCOPED_TRACE(row.label);
        const std::string gbk = bytes(row.gbk);
        const std::string utf8 = bytes(row.utf8);
        EXPECT_EQ(hex(utf8_from_gbk(gbk)), hex(utf8));
        EXPECT_EQ(utf16_from_gbk(gbk), utf16_from_utf8(utf8));

        text appended = "prefix ";
        append_utf8_from_gbk(gbk, appended);
        EXPECT_EQ(hex(appended), hex("prefix " + utf8));
    }
}

TEST(code_page_test, a_name_is_never_cut_short) {
    // Every byte grows to three: the case that sizing a buffer from the input length misses.
    const std::string euros(1000, '\x80');
    std::string expected;
    for (int i = 0; i < 1000; ++i) expected += "\xE2\x82\xAC";
    EXPECT_EQ(utf8_from_gbk(euros), expected);
    text appended;
    append_utf8_from_gbk(euros, appended);
    EXPECT_EQ(appended.size(), expected.size());

    // U+0080 takes two UTF-8 bytes and four in code page 936.
    std::string controls;
    for (int i = 0; i < 1000; ++i) controls += "\xC2\x80";
    EXPECT_EQ(gbk_from_utf8(controls).size(), 4000u);
}

struct encoding {
    const char* label;
    std::string_view utf8;
    std::string_view gbk;
};

constexpr encoding encodings[] = {
    {"empty", "", ""},
    {"ascii", "41 7E", "41 7E"},
    {"name 示例A", "E7 A4 BA E4 BE 8B 41", "CA BE C0 FD 41"},
    {"euro sign prefers 0x80", "E2 82 AC", "80"},
    {"U+F8F5 prefers 0xFF", "EF A3 B5", "FF"},
    {"U+E7C7 prefers A8BC", "EE 9F 87", "A8 BC"},
    {"U+1E3F takes four bytes", "E1 B8 BF", "81 35 F4 37"},
    {"U+4DAE takes four bytes", "E4 B6 AE", "83 36 CF 39"},
    {"U+0080 takes four bytes", "C2 80", "81 30 81 30"},
    {"U+FFFD takes four bytes", "EF BF BD", "84 31 A4 37"},
    {"supplementary U+10000", "F0 90 80 80", "90 30 81 30"},
    {"supplementary U+10FFFF", "F4 8F BF BF", "E3 32 9A 35"},
    {"stray continuation byte", "80 41", "84 31 A4 37 41"},
    {"overlong form", "C0 80", "84 31 A4 37 84 31 A4 37"},
    {"UTF-8 surrogate", "ED A0 80", "84 31 A4 37 84 31 A4 37 84 31 A4 37"},
    {"past U+10FFFF", "F4 90 80 80", "84 31 A4 37 84 31 A4 37 84 31 A4 37 84 31 A4 37"},
    {"cut sequence before ASCII", "E4 BD 41", "84 31 A4 37 41"},
    {"cut sequence at the end", "F0 9F 98", "84 31 A4 37"},
};

TEST(code_page_test, encodes_with_the_shortest_form_that_reads_back) {
    for (const encoding& row : encodings) {
        SCOPED_TRACE(row.label);
        const std::string utf8 = bytes(row.utf8);
        EXPECT_EQ(hex(gbk_from_utf8(utf8)), hex(bytes(row.gbk)));
        EXPECT_EQ(hex(gbk_from_utf16(utf16_from_utf8(utf8))), hex(bytes(row.gbk)));
    }
}

TEST(code_page_test, utf16_surrogates_pair_or_become_replacements) {
    struct row {
        const char* label;
        std::u16string utf16;
        std::string_view utf8;
    } const rows[] = {
        {"pair", u"\xD83D\xDE00", "F0 9F 98 80"},
        {"high before ASCII",
         u"\xD800"
         u"A",
         "EF BF BD 41"},
        {"lone low", u"\xDC00", "EF BF BD"},
        {"high at the end", u"A\xDBFF", "41 EF BF BD"},
        {"two highs", u"\xD800\xD800\xDC00", "EF BF BD F0 90 80 80"},
    };
    for (const row& each : rows) {
        SCOPED_TRACE(each.label);
        EXPECT_EQ(hex(utf8_from_utf16(each.utf16)), hex(bytes(each.utf8)));
        EXPECT_EQ(utf16_from_gbk(gbk_from_utf16(each.utf16)), utf16_from_utf8(bytes(each.utf8)));
    }
}

TEST(code_page_test, every_unicode_scalar_round_trips) {
    auto round_trips = [](char32_t code_point) {
        const std::u16string units = units_of(code_point);
        return utf16_from_gbk(gbk_from_utf16(units)) == units &&
               utf16_from_utf8(utf8_from_utf16(units)) == units;
    };
    int failures = 0;
    for (char32_t c = 0; c < 0x10000; ++c) {
        if ((c < 0xD800 || c > 0xDFFF) && !round_trips(c) && ++failures <= 5) {
            ADD_FAILURE() << "U+" << std::hex << static_cast<std::uint32_t>(c);
        }
    }
    for (char32_t c = 0x10000; c <= 0x10FFFF; c += 0x1FF) {
        if (!round_trips(c) && ++failures <= 5) {
            ADD_FAILURE() << "U+" << std::hex << static_cast<std::uint32_t>(c);
        }
    }
    EXPECT_TRUE(round_trips(0x10FFFF));
    EXPECT_EQ(failures, 0);
}

// Decodes every byte, byte pair and BMP four-byte sequence; returns an FNV-1a digest of the
// results and checks on the way that each valid sequence reads back to itself or to a shorter
// form of the same character.
std::uint64_t digest_of_every_sequence(int& failures) {
    std::uint64_t digest = 14695981039346656037ull;
    auto take = [&](const std::u16string& units) {
        for (const char16_t unit : units) {
            digest = (digest ^ unit) * 1099511628211ull;
        }
        digest = (digest ^ 0xFFFFu) * 1099511628211ull;
    };
    auto check = [&](const std::string& gbk) {
        const std::u16string units = utf16_from_gbk(gbk);
        take(units);
        if (units.size() != 1 || units[0] == 0xFFFD) return;
        const std::string back(gbk_from_utf16(units));
        if ((back != gbk && back.size() >= gbk.size()) || utf16_from_gbk(back) != units) {
            if (++failures <= 5) ADD_FAILURE() << hex(gbk) << " -> " << hex(back);
        }
    };
    for (int byte = 0; byte < 256; ++byte) check(std::string(1, static_cast<char>(byte)));
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            check({static_cast<char>(lead), static_cast<char>(trail)});
        }
    }
    for (int index = 0; index < 39420; ++index) {
        check({static_cast<char>(0x81 + index / 12600), static_cast<char>(0x30 + index / 1260 % 10),
               static_cast<char>(0x81 + index / 10 % 126), static_cast<char>(0x30 + index % 10)});
    }
    return digest;
}

TEST(code_page_test, every_sequence_reads_as_on_windows) {
    // Taken from the tables built by MultiByteToWideChar (under wine) and by iconv plus its
    // overrides, which agree cell for cell; a platform converter that reads one cell
    // differently changes it.
    int failures = 0;
    EXPECT_EQ(digest_of_every_sequence(failures), 10297083992368101928ull);
    EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace batchvcf
