#pragma once
// Where a line's last character starts and where its first two fields lie. Code page 936 lines
// are cut exactly as the window cuts them: a separator never matches from the second byte of a
// two-byte character, a separator at the very end adds no empty field.

#include <cstddef>
#include <string_view>

namespace batchvcf::txt2vcf {

// The offset of the last character of `line` (its size when empty). In code page 936 a lead
// byte takes the byte after it (or the three after it, for a four-byte GB18030 sequence); in
// UTF-8 the continuation bytes belong to the lead before them.
std::size_t last_character_start(std::string_view line, bool gbk) noexcept;

struct leading_fields {
    int count = 0;  // 0, 1 or 2: how many of the two fields the line has
    std::string_view name;
    std::string_view number;
};

// The first two fields of `line` divided at `separator` (not empty): the bytes before the first
// separator, then those up to the next one or to the end. The second field exists only when
// bytes follow the first separator or a second separator closes it, as the window divides.
leading_fields first_two_fields(std::string_view line, std::string_view separator,
                                bool gbk) noexcept;

}  // namespace batchvcf::txt2vcf
