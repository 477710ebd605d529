#include "text/text.h"

#include <cmath>
#include <cstring>

#include "app/fatal_error.h"
#include "app/system_texts.h"

namespace batchvcf {
namespace {

bool ascii_letters_equal(unsigned char left, unsigned char right) noexcept {
    auto fold = [](unsigned char byte) -> unsigned char {
        return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
    };
    return fold(left) == fold(right);
}

bool matches_at(std::string_view value, std::size_t position, std::string_view search,
                bool exact_case) noexcept {
    if (exact_case) return value.compare(position, search.size(), search) == 0;
    for (std::size_t i = 0; i < search.size(); ++i) {
        if (!ascii_letters_equal(static_cast<unsigned char>(value[position + i]),
                                 static_cast<unsigned char>(search[i])))
            return false;
    }
    return true;
}

void check_index(std::int32_t index, std::size_t count) {
    if (index < 1) report_fatal_error(4, texts::index_below_one);
    if (static_cast<std::size_t>(index) > count) report_fatal_error(1, texts::index_past_end);
}

}  // namespace

std::int32_t measure_text(std::string_view value) noexcept {
    return static_cast<std::int32_t>(value.size());
}

text join_text_list(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (std::string_view part : parts) total += part.size();
    text joined;
    joined.reserve(total);
    for (std::string_view part : parts) joined.append(part);
    return joined;
}

int text_order(std::string_view left, std::string_view right) noexcept {
    // string_view compares through char_traits<char>, which orders bytes as unsigned char.
    const int order = left.compare(right);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

text leading_bytes(std::string_view value, std::int32_t count) {
    if (count <= 0) return {};
    return text(value.substr(0, static_cast<std::size_t>(count)));
}

text_array divide_text(std::string_view value, std::string_view separator) {
    text_array pieces;
    if (value.empty()) return pieces;
    if (separator.empty()) {
        pieces.emplace_back(value);
        return pieces;
    }
    std::size_t piece_start = 0;
    std::size_t scan = 0;
    while (value.size() - scan >= separator.size()) {
        if (value.compare(scan, separator.size(), separator) == 0) {
            pieces.emplace_back(value.substr(piece_start, scan - piece_start));
            scan += separator.size();
            piece_start = scan;
        } else if (is_lead_byte(static_cast<unsigned char>(value[scan]))) {
            if (scan + 1 == value.size()) break;  // a lone lead byte at the very end
            scan += 2;
        } else {
            scan += 1;
        }
    }
    if (piece_start < value.size()) pieces.emplace_back(value.substr(piece_start));
    return pieces;
}

text substitute_text(std::string_view value, std::string_view search, std::string_view replacement,
                     std::int32_t start_position, bool exact_case) {
    const std::size_t start =
        start_position - 1 < 0 ? 0 : static_cast<std::size_t>(start_position - 1);
    if (value.empty() || search.empty() || start >= value.size()) return text(value);

    text result;
    result.reserve(value.size());
    result.append(value.substr(0, start));
    std::size_t scan = start;
    while (value.size() - scan >= search.size()) {
        if (matches_at(value, scan, search, exact_case)) {
            result.append(replacement);
            scan += search.size();
        } else if (is_lead_byte(static_cast<unsigned char>(value[scan])) &&
                   scan + 1 < value.size()) {
            result.append(value.substr(scan, 2));
            scan += 2;
        } else {
            result.push_back(value[scan]);
            scan += 1;
        }
    }
    if (scan < value.size()) result.append(value.substr(scan));
    return result;
}

byte_set as_byte_set(std::string_view value) {
    return byte_set(reinterpret_cast<const unsigned char*>(value.data()),
                    reinterpret_cast<const unsigned char*>(value.data()) + value.size());
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
    const std::string digits = std::to_string(value);
    return text(digits.data(), digits.size());
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

text_array empty_text_array() { return {}; }

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
    return static_cast<std::int64_t>(std::trunc(value));
}

void release_text(text& value) noexcept { text().swap(value); }
void release_byte_set(byte_set& bytes) noexcept { byte_set().swap(bytes); }
void release_text_array(text_array& array) noexcept { text_array().swap(array); }

}  // namespace batchvcf
