#pragma once
// A contact's name as the N and FN lines of a card carry it: every UTF-8 byte of the name as "="
// and two upper-case hexadecimal digits, so that any reader decodes it whatever the bytes are.
//
// encode_name is the one the card loop uses, appending straight into the card text. The stages
// below it (percent_encode, to_utf8, multibyte_to_wide, wide_to_multibyte, replace_pairs) give
// the same result step by step and serve as its reference.

#include <array>
#include <string_view>

#include "text/text.h"

namespace batchvcf {

inline constexpr int code_page_gbk = 936;
inline constexpr int code_page_utf8 = 65001;

// "=XX" for every UTF-8 byte of `name_gbk`; the empty text for an empty name.
text encode_name(std::string_view name_gbk);
// encode_name's result appended to `out`; `utf8_scratch` is a buffer the caller reuses.
void append_encoded_name(std::string_view name_gbk, text& out, text& utf8_scratch);

// "%XX" for every UTF-8 byte of `value_gbk`; the empty text for an empty text.
text percent_encode(std::string_view value_gbk);
// The UTF-8 form of code page 936 text.
text to_utf8(std::string_view value_gbk);
// UTF-16 units, least significant byte first, ended by one zero unit. `code_page` is 936 or
// 65001 (`value` is then UTF-8).
byte_set multibyte_to_wide(std::string_view value, int code_page);
// The units of `utf16` up to their first zero unit, in code page 936 or 65001.
text wide_to_multibyte(const byte_set& utf16, int code_page);

struct replacement_pair {
    std::string_view search;
    std::string_view replacement;
};
// Applies the pairs in order, each replacing every occurrence left to right; an empty search
// text changes nothing.
text replace_pairs(std::string_view value, const std::array<replacement_pair, 5>& pairs);

}  // namespace batchvcf
