#pragma once
// The name and the number of one stored line, found without making the line's whole array of
// fields: the card loop runs once per line, and a million lines must not mean a million arrays.

#include <cstddef>
#include <optional>
#include <string_view>

namespace batchvcf {

struct name_and_number {
    std::string_view name;    // field 1
    std::string_view number;  // field 2
};

// Where `separator` (not empty) next matches in `line` at or after `from`, as divide_text
// matches it: byte for byte, never from the second byte of a two-byte character, and not past a
// lead byte that ends the line. npos when it does not.
std::size_t find_field_separator(std::string_view line, std::size_t from,
                                 std::string_view separator) noexcept;

// Fields 1 and 2 of `line` exactly as divide_text(line, separator) gives them (the separator
// matched byte for byte, never from the second byte of a two-byte character), or nothing when
// divide_text gives fewer than two fields. The views point into `line`.
std::optional<name_and_number> first_two_fields(std::string_view line,
                                                std::string_view separator) noexcept;

}  // namespace batchvcf
