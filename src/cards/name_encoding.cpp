#include "cards/name_encoding.h"

#include <string>

#include "cards/card_record.h"
#include "text/code_page.h"

namespace batchvcf {

text encode_name(std::string_view name_gbk) {
    text encoded;
    text utf8;
    append_encoded_name(name_gbk, encoded, utf8);
    return encoded;
}

void append_encoded_name(std::string_view name_gbk, text& out, text& utf8_scratch) {
    if (name_gbk.empty()) return;
    utf8_scratch.clear();
    append_utf8_from_gbk(name_gbk, utf8_scratch);
    append_quoted_printable(out, utf8_scratch);
}

text percent_encode(std::string_view value_gbk) {
    if (text_order(value_gbk, {}) == 0) return {};
    static constexpr char hex[] = "0123456789ABCDEF";
    const text utf8 = to_utf8(value_gbk);
    text escaped;
    escaped.reserve(3 * utf8.size());
    for (const char byte : utf8) {
        const auto value = static_cast<unsigned char>(byte);
        escaped.push_back('%');
        escaped.push_back(hex[value >> 4]);
        escaped.push_back(hex[value & 0xF]);
    }
    return escaped;
}

text to_utf8(std::string_view value_gbk) {
    text utf8;
    append_utf8_from_gbk(value_gbk, utf8);
    return utf8;
}

byte_set multibyte_to_wide(std::string_view value, int code_page) {
    const std::u16string units =
        code_page == code_page_utf8 ? utf16_from_utf8(value) : utf16_from_gbk(value);
    byte_set bytes = zero_filled_byte_set(static_cast<std::int32_t>(2 * (units.size() + 1)));
    for (std::size_t i = 0; i < units.size(); ++i) {
        bytes[2 * i] = static_cast<unsigned char>(units[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<unsigned char>(units[i] >> 8);
    }
    return bytes;
}

text wide_to_multibyte(const byte_set& utf16, int code_page) {
    std::u16string units;
    units.reserve(utf16.size() / 2);
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
        const auto unit = static_cast<char16_t>(utf16[i] | (utf16[i + 1] << 8));
        if (unit == 0) break;
        units.push_back(unit);
    }
    if (code_page == code_page_utf8) {
        const std::string utf8 = utf8_from_utf16(units);
        return text(utf8.data(), utf8.size());
    }
    return gbk_from_utf16(units);
}

text replace_pairs(std::string_view value, const std::array<replacement_pair, 5>& pairs) {
    text result(value);
    for (const replacement_pair& pair : pairs) {
        if (pair.search.empty()) continue;
        result = substitute_text(result, pair.search, pair.replacement);
    }
    return result;
}

}  // namespace batchvcf
