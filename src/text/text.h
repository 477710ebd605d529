#pragma once
// The byte-string values every other part of the program is built on. A `text` is code page
// 936 (GBK) bytes without a zero byte; lengths and positions count bytes. The empty text has a
// single form here, so "empty with storage" and "empty without storage" can never differ.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "text/storage.h"

namespace batchvcf {

using text = std::basic_string<char, std::char_traits<char>, storage_allocator<char>>;
// Bytes that may hold zeros (conversion buffers, the bytes written to a file).
using byte_set = std::vector<unsigned char, storage_allocator<unsigned char>>;
// Indexed from 1 through element_at; a variable of this type always is an array, maybe empty.
using text_array = std::vector<text, storage_allocator<text>>;

// A byte of 0x80 or above starts a two-byte character together with the byte after it.
constexpr bool is_lead_byte(unsigned char byte) noexcept {
    return byte >= 0x80;
}

// Stands for the empty byte set and the empty text array; it owns nothing.
struct constant_empty_value_t {
    operator byte_set() const { return {}; }
    operator text_array() const { return {}; }
};
inline constexpr constant_empty_value_t constant_empty_value{};

// Bytes before the first zero byte; a two-byte character counts 2. Every operation here reads a
// text only up to its first zero, which matters for a conversion buffer (space_filled_text).
std::int32_t measure_text(std::string_view value) noexcept;

text join_text_list(std::initializer_list<std::string_view> parts);
// A new text of the parts in order; the storage asked for is their total length plus one.
template <class... Parts>
text join_texts(const Parts&... parts) {
    return join_text_list({std::string_view(parts)...});
}

// -1, 0 or 1, comparing bytes as unsigned values; a text that ends first is the smaller.
int text_order(std::string_view left, std::string_view right) noexcept;

// The first `count` bytes (all of them where there are fewer); empty for a count of 0 or less.
text leading_bytes(std::string_view value, std::int32_t count);

// Pieces between separators, matched byte for byte and never from the second byte of a
// two-byte character. A separator at the very end adds no empty piece; an empty text gives
// no piece; an empty separator gives the whole text as one piece.
text_array divide_text(std::string_view value, std::string_view separator);

// Every occurrence of `search` from `start_position` (1-based) on, left to right and never
// overlapping, replaced. Without `exact_case`, ASCII letters match either case.
text substitute_text(std::string_view value, std::string_view search, std::string_view replacement,
                     std::int32_t start_position = 1, bool exact_case = false);

byte_set as_byte_set(std::string_view value);
std::int32_t byte_set_size(const byte_set& bytes) noexcept;

// `count` spaces, or the empty text for a count of 0 or less. Meant as an output buffer: once a
// conversion has written its own terminating zero into it, it reads as the text before that zero.
text space_filled_text(std::int32_t count);
// `count` zero bytes, or the empty byte set for a count of 0 or less.
byte_set zero_filled_byte_set(std::int32_t count);

text decimal_text(std::int32_t value);
// Upper-case hexadecimal digits of the value as unsigned, without leading zeros ("0" for 0).
text hex_digits(std::uint32_t value);

text_array empty_text_array();
std::int32_t element_count(const text_array& array) noexcept;
// Element `index` (1 to the element count). An index out of range ends the program through the
// fatal report, as an out-of-range subscript always does here.
text& element_at(text_array& array, std::int32_t index);
const text& element_at(const text_array& array, std::int32_t index);
unsigned char element_at(const byte_set& bytes, std::int32_t index);

// Truncation toward zero (-2.9 gives -2); callers keep the low 32 bits. `value` must lie within
// the 64-bit range, as every count of the program does.
std::int64_t chop_to_integer(double value) noexcept;

void release_text(text& value) noexcept;
void release_byte_set(byte_set& bytes) noexcept;
void release_text_array(text_array& array) noexcept;

}  // namespace batchvcf
