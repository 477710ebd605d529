#include "text/text.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "app/fatal_error.h"
#include "app/system_texts.h"

namespace batchvcf {
namespace {

// A text ends at its first zero byte. Only a conversion buffer made by space_filled_text holds
// one inside its storage (the conversion writes its own terminator there), and every operation
// reads such a buffer as the text before that zero.
std::string_view up_to_zero(std::string_view value) noexcept {
    const std::size_t end = value.find('\0');
    return end == std::string_view::npos ? value : value.substr(0, end);
}

bool is_lead_byte_at(std::string_view value, std::size_t position) noexcept {
    return is_lead_byte(static_cast<unsigned char>(value[position]));
}

unsigned char fold_ascii_case(unsigned char byte) noexcept {
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool matches_at(std::string_view value, std::size_t position, std::string_view search,
                bool exact_case) noexcept {
    if (exact_case) return value.compare(position, search.size(), search) == 0;
    for (std::size_t i = 0; i < search.size(); ++i) {
        if (fold_ascii_case(static_cast<unsigned char>(value[position + i])) !=
            fold_ascii_case(static_cast<unsigned char>(search[i])))
            return false;
    }
    return true;
}

// True when none of the eight bytes at `at` is a lead byte or equals the byte repeated in
// `byte_in_every_lane`.
bool plain_word(const char* at, std::uint64_t byte_in_every_lane) noexcept {
    constexpr std::uint64_t low_bits = 0x0101010101010101ULL;
    constexpr std::uint64_t high_bits = 0x8080808080808080ULL;
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    const std::uint64_t equal_lanes_zero = word ^ byte_in_every_lane;
    const bool holds_that_byte =
        ((equal_lanes_zero - low_bits) & ~equal_lanes_zero & high_bits) != 0;
    return (word & high_bits) == 0 && !holds_that_byte;
}

// Calls `piece` with every piece of `value` between separators, in order. A match is tried at
// every scan position first; only a failed match steps over a two-byte character as a whole, so
// a separator is never found starting on a character's second byte. A lead byte whose partner
// would be the terminating zero ends the scan, and what is left becomes the last piece.
template <class PieceVisitor>
void for_each_piece(std::string_view value, std::string_view separator, PieceVisitor piece) {
    std::size_t piece_start = 0;
    std::size_t scan = 0;
    const char separator_start = separator.front();
    const std::uint64_t start_in_every_byte =
        0x0101010101010101ULL * static_cast<unsigned char>(separator_start);
    while (value.size() - scan >= separator.size()) {
        // Eight bytes at a time while none is a lead byte or could start a separator: such a run
        // holds neither a match nor a character to step over.
        while (value.size() - scan >= 8 && plain_word(value.data() + scan, start_in_every_byte))
            scan += 8;
        if (value.size() - scan < separator.size()) break;
        // The first byte decides most positions without a call to compare the rest.
        if (value[scan] == separator_start &&
            value.compare(scan, separator.size(), separator) == 0) {
            piece(value.substr(piece_start, scan - piece_start));
            scan += separator.size();
            piece_start = scan;
        } else if (is_lead_byte_at(value, scan)) {
            if (scan + 1 == value.size()) break;
            scan += 2;
        } else {
            scan += 1;
        }
    }
    // A remainder of no bytes adds nothing, so a separator at the very end gives no empty piece.
    if (piece_start < value.size()) piece(value.substr(piece_start));
}

void check_index(std::int32_t index, std::size_t count) {
    // The lower bound first, as an out-of-range subscript is reported everywhere in the program.
    if (index < 1) report_fatal_error(4, texts::index_below_one);
    if (static_cast<std::size_t>(index) > count) report_fatal_error(1, texts::index_past_end);
}

}  // namespace

std::int32_t measure_text(std::string_view value) noexcept {
    return static_cast<std::int32_t>(up_to_zero(value).size());
}

text join_text_list(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (std::string_view part : parts) total += up_to_zero(part).size();
    // One block of exactly the total plus the terminating zero (none at all for a short result),
    // so a failed acquisition reports the size the join needed.
    text joined(total, '\0');
    char* cursor = joined.data();
    for (std::string_view part : parts) {
        part = up_to_zero(part);
        if (!part.empty()) std::memcpy(cursor, part.data(), part.size());
        cursor += part.size();
    }
    return joined;
}

int text_order(std::string_view left, std::string_view right) noexcept {
    // string_view compares through char_traits<char>, which orders bytes as unsigned char, and
    // treats the shorter of two texts with equal leading bytes as the smaller.
    const int order = up_to_zero(left).compare(up_to_zero(right));
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

text leading_bytes(std::string_view value, std::int32_t count) {
    if (count <= 0) return {};
    return text(up_to_zero(value).substr(0, static_cast<std::size_t>(count)));
}

text_array divide_text(std::string_view value, std::string_view separator) {
    value = up_to_zero(value);
    separator = up_to_zero(separator);
    text_array pieces;
    if (value.empty()) return pieces;
    if (separator.empty()) {
        pieces.emplace_back(value);
        return pieces;
    }
    // The array is taken once, before any piece, and never moved while it fills: there is at
    // most one piece more than there are bytes that could start a separator, and counting those
    // is far cheaper than a second scan (a million-line file is divided on every import).
    pieces.reserve(
        static_cast<std::size_t>(std::count(value.begin(), value.end(), separator.front())) + 1);
    for_each_piece(value, separator,
                   [&pieces](std::string_view piece) { pieces.emplace_back(piece); });
    return pieces;
}

text substitute_text(std::string_view value, std::string_view search, std::string_view replacement,
                     std::int32_t start_position, bool exact_case) {
    value = up_to_zero(value);
    search = up_to_zero(search);
    replacement = up_to_zero(replacement);
    const std::size_t start =
        start_position <= 1 ? 0 : static_cast<std::size_t>(start_position) - 1;
    if (value.empty() || search.empty() || start >= value.size()) return text(value);

    text result;
    result.reserve(value.size());
    result.append(value.substr(0, start));
    std::size_t scan = start;
    while (value.size() - scan >= search.size()) {
        if (matches_at(value, scan, search, exact_case)) {
            // The replacement goes to the result, never back under the scan: no match overlaps
            // another, and a replacement can't take part in the next match.
            result.append(replacement);
            scan += search.size();
        } else if (is_lead_byte_at(value, scan) && scan + 1 < value.size()) {
            result.append(value.substr(scan, 2));
            scan += 2;
        } else {
            result.push_back(value[scan]);
            scan += 1;
        }
    }
    result.append(value.substr(scan));
    return result;
}

byte_set as_byte_set(std::string_view value) {
    value = up_to_zero(value);
    const auto* first = reinterpret_cast<const unsigned char*>(value.data());
    return byte_set(first, first + value.size());
}

std::int32_t byte_set_size(const byte_set& bytes) noexcept {
    return static_cast<std::int32_t>(bytes.size());
}

text space_filled_text(std::int32_t count) {
    if (count <= 0) return {};
    return text(static_cast<std::size_t>(count), ' ');
}

byte_set zero_filled_byte_set(std::int32_t count) {
    if (count <= 0) return {};
    return byte_set(static_cast<std::size_t>(count), 0);
}

text decimal_text(std::int32_t value) {
    char digits[12];  // "-2147483648" is the longest
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return text(digits, static_cast<std::size_t>(end - digits));
}

text hex_digits(std::uint32_t value) {
    static constexpr char digit_of[] = "0123456789ABCDEF";
    char reversed[8];
    std::size_t count = 0;
    do {
        reversed[count++] = digit_of[value & 0xF];
        value >>= 4;
    } while (value != 0);
    text digits;
    digits.reserve(count);
    while (count > 0) digits.push_back(reversed[--count]);
    return digits;
}

text_array empty_text_array() {
    return {};
}

std::int32_t element_count(const text_array& array) noexcept {
    return static_cast<std::int32_t>(array.size());
}

text& element_at(text_array& array, std::int32_t index) {
    check_index(index, array.size());
    return array[static_cast<std::size_t>(index) - 1];
}

const text& element_at(const text_array& array, std::int32_t index) {
    check_index(index, array.size());
    return array[static_cast<std::size_t>(index) - 1];
}

unsigned char element_at(const byte_set& bytes, std::int32_t index) {
    check_index(index, bytes.size());
    return bytes[static_cast<std::size_t>(index) - 1];
}

std::int64_t chop_to_integer(double value) noexcept {
    // The conversion itself truncates toward zero.
    return static_cast<std::int64_t>(value);
}

void release_text(text& value) noexcept {
    text().swap(value);
}
void release_byte_set(byte_set& bytes) noexcept {
    byte_set().swap(bytes);
}
void release_text_array(text_array& array) noexcept {
    text_array().swap(array);
}

}  // namespace batchvcf
