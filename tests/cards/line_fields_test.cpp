#include "cards/line_fields.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/text.h"

namespace batchvcf {
namespace {

using namespace std::string_literals;

// What the card loop must find: the first two fields of divide_text, the slow and plain way.
std::optional<std::pair<std::string, std::string>> reference_fields(std::string_view line,
                                                                    std::string_view separator) {
    const text_array fields = divide_text(line, separator);
    if (fields.size() < 2) return std::nullopt;
    return std::pair<std::string, std::string>(fields[0], fields[1]);
}

std::optional<std::pair<std::string, std::string>> found_fields(std::string_view line,
                                                                std::string_view separator) {
    const auto found = first_two_fields(line, separator);
    if (!found) return std::nullopt;
    return std::pair<std::string, std::string>(found->name, found->number);
}

TEST(line_fields_test, splits_like_divide_text) {
    struct row {
        const char* label;
        std::string line;
        std::string separator;
        std::optional<std::pair<std::string, std::string>> expected;
    };
    using fields = std::pair<std::string, std::string>;
    const row rows[] = {
        {"name and number",
         "\xCA\xBE\xC0\xFD"
         "A,139",
         ",",
         fields{"\xCA\xBE\xC0\xFD"
                "A",
                "139"}},
        {"third field ignored", "A,139,x", ",", fields{"A", "139"}},
        {"separator first: empty name", ",139", ",", fields{"", "139"}},
        {"spaces stay", "A , 139", ",", fields{"A ", " 139"}},
        {"two hyphens", "A--139", "--", fields{"A", "139"}},
        {"full-width comma",
         "A\xA3\xAC"
         "139",
         "\xA3\xAC", fields{"A", "139"}},
        {"empty number between separators", "A,,", ",", fields{"A", ""}},
        {"no separator", "A139", ",", std::nullopt},
        {"only separator at the end", "A,", ",", std::nullopt},
        {"empty separator", "A,139", "", std::nullopt},
        {"empty line", "", ",", std::nullopt},
        {"separator inside a character",
         "\x83\x7C"
         "5",
         "\x7C", std::nullopt},
        {"separator after a character",
         "\x83\x7C\x7C"
         "5",
         "\x7C", fields{"\x83\x7C", "5"}},
        {"lone lead byte before the separator", "A\xB0,1", ",", std::nullopt},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        EXPECT_EQ(found_fields(r.line, r.separator), r.expected);
        EXPECT_EQ(reference_fields(r.line, r.separator), r.expected);
    }
}

TEST(line_fields_test, agrees_with_divide_text_on_random_lines) {
    // Few distinct bytes, lead bytes among them, so separators, pairs and edges meet often.
    const char alphabet[] = {',', ',', 'A', '1', '\x7C', '\xB0', '\xA3', '\xAC', ' '};
    const std::string separators[] = {",", "\x7C", "\xA3\xAC", ",,", "\xAC", "A1"};
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        std::string line(random() % 9, ' ');
        for (char& byte : line) byte = alphabet[random() % sizeof alphabet];
        const std::string& separator = separators[random() % std::size(separators)];
        ASSERT_EQ(found_fields(line, separator), reference_fields(line, separator))
            << "line of " << line.size() << " bytes, round " << round;
    }
}

}  // namespace
}  // namespace batchvcf
