#include "text/code_page.h"

#include <cstdint>

#include "text/code_page_tables.h"

namespace batchvcf {
namespace {

using code_page_detail::four_byte_bmp_count;
using code_page_detail::four_byte_supplementary_base;

constexpr char32_t replacement = 0xFFFD;

constexpr bool in_range(unsigned char byte, unsigned char low, unsigned char high) noexcept {
    return byte >= low && byte <= high;
}

// Reads code page 936 with the GB18030 four-byte extension and hands each character to `sink`.
// A byte that starts nothing valid becomes one U+FFFD and reading resumes at the next byte, so
// a bad lead byte never swallows the ASCII after it; a well-formed four-byte sequence that
// stands for no character becomes one U+FFFD as a whole.
template <class Sink>
void decode_gbk(std::string_view gbk, Sink&& sink) {
    const auto& table = code_page_detail::two_byte_table();
    const auto* at = reinterpret_cast<const unsigned char*>(gbk.data());
    const auto* const end = at + gbk.size();
    while (at < end) {
        const unsigned char byte = *at;
        if (byte < 0x80) {
            sink(byte);
            ++at;
            continue;
        }
        if (const char16_t alone = table.single[byte]; alone != 0) {
            sink(alone);
            ++at;
            continue;
        }
        if (end - at >= 2) {
            if (const char16_t pair = table.pair(byte, at[1]); pair != 0) {
                sink(pair);
                at += 2;
                continue;
            }
            if (end - at >= 4 && in_range(at[1], 0x30, 0x39) && in_range(at[2], 0x81, 0xFE) &&
                in_range(at[3], 0x30, 0x39)) {
                const std::uint32_t index = ((byte - 0x81u) * 10 + (at[1] - 0x30u)) * 1260 +
                                            (at[2] - 0x81u) * 10 + (at[3] - 0x30u);
                char32_t code_point = replacement;
                if (index < four_byte_bmp_count) {
                    code_point = code_page_detail::four_byte_table()[index];
                } else if (index >= four_byte_supplementary_base &&
                           index - four_byte_supplementary_base < 0x100000) {
                    code_point = 0x10000 + (index - four_byte_supplementary_base);
                }
                sink(code_point != 0 ? code_point : replacement);
                at += 4;
                continue;
            }
        }
        sink(replacement);
        ++at;
    }
}

// Reads UTF-16; an unpaired surrogate becomes U+FFFD.
template <class Sink>
void decode_utf16(std::u16string_view utf16, Sink&& sink) {
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char32_t unit = utf16[i];
        if (unit < 0xD800 || unit > 0xDFFF) {
            sink(unit);
        } else if (unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
                   utf16[i + 1] <= 0xDFFF) {
            sink(0x10000 + ((unit - 0xD800) << 10) + (utf16[i + 1] - 0xDC00u));
            ++i;
        } else {
            sink(replacement);
        }
    }
}

// Reads UTF-8; each maximal ill-formed subsequence (an overlong form, a surrogate, a value past
// U+10FFFF, a cut-off sequence, a stray continuation byte) becomes one U+FFFD.
template <class Sink>
void decode_utf8(std::string_view utf8, Sink&& sink) {
    const auto* at = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* const end = at + utf8.size();
    while (at < end) {
        const unsigned char byte = *at++;
        if (byte < 0x80) {
            sink(byte);
            continue;
        }
        int continuation = 0;
        char32_t code_point = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (in_range(byte, 0xC2, 0xDF)) {
            continuation = 1;
            code_point = byte & 0x1Fu;
        } else if (in_range(byte, 0xE0, 0xEF)) {
            continuation = 2;
            code_point = byte & 0x0Fu;
            low = byte == 0xE0 ? 0xA0 : 0x80;
            high = byte == 0xED ? 0x9F : 0xBF;
        } else if (in_range(byte, 0xF0, 0xF4)) {
            continuation = 3;
            code_point = byte & 0x07u;
            low = byte == 0xF0 ? 0x90 : 0x80;
            high = byte == 0xF4 ? 0x8F : 0xBF;
        } else {
            sink(replacement);
            continue;
        }
        for (; continuation > 0; --continuation) {
            if (at == end || !in_range(*at, low, high)) {
                break;
            }
            code_point = code_point << 6 | (*at++ & 0x3Fu);
            low = 0x80;
            high = 0xBF;
        }
        sink(continuation == 0 ? code_point : replacement);
    }
}

char* put_utf8(char* out, char32_t code_point) noexcept {
    if (code_point < 0x80) {
        *out++ = static_cast<char>(code_point);
    } else if (code_point < 0x800) {
        *out++ = static_cast<char>(0xC0 | code_point >> 6);
        *out++ = static_cast<char>(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        *out++ = static_cast<char>(0xE0 | code_point >> 12);
        *out++ = static_cast<char>(0x80 | (code_point >> 6 & 0x3F));
        *out++ = static_cast<char>(0x80 | (code_point & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | code_point >> 18);
        *out++ = static_cast<char>(0x80 | (code_point >> 12 & 0x3F));
        *out++ = static_cast<char>(0x80 | (code_point >> 6 & 0x3F));
        *out++ = static_cast<char>(0x80 | (code_point & 0x3F));
    }
    return out;
}

char16_t* put_utf16(char16_t* out, char32_t code_point) noexcept {
    if (code_point < 0x10000) {
        *out++ = static_cast<char16_t>(code_point);
    } else {
        *out++ = static_cast<char16_t>(0xD800 + ((code_point - 0x10000) >> 10));
        *out++ = static_cast<char16_t>(0xDC00 + ((code_point - 0x10000) & 0x3FF));
    }
    return out;
}

char* put_gbk(char* out, char32_t code_point,
              const std::array<code_page_detail::packed_bytes, 0x10000>& forms) noexcept {
    code_page_detail::packed_bytes form =
        code_point < 0x10000
            ? forms[code_point]
            : code_page_detail::four_byte_form(four_byte_supplementary_base + code_point - 0x10000);
    if (form.count == 0) {
        form = forms[replacement];
    }
    if (form.count == 0) {
        form = {'?', 1};  // only without the platform's tables
    }
    for (int i = 0; i < form.count; ++i) {
        *out++ = static_cast<char>(form.bytes >> (8 * i));
    }
    return out;
}

// Runs `write` over a buffer of `room` elements appended to `out`, then keeps what it wrote.
// Every converter sizes `room` from the worst case of its input, so nothing is ever cut short.
template <class String, class Write>
void append_converted(String& out, std::size_t room, Write&& write) {
    const std::size_t start = out.size();
    out.resize(start + room);
    auto* const first = out.data() + start;
    out.resize(start + static_cast<std::size_t>(write(first) - first));
}

}  // namespace

std::u16string utf16_from_gbk(std::string_view gbk) {
    std::u16string utf16;
    // One unit per byte at most: a pair gives one unit, a four-byte sequence at most two.
    append_converted(utf16, gbk.size(), [&](char16_t* out) {
        decode_gbk(gbk, [&](char32_t c) { out = put_utf16(out, c); });
        return out;
    });
    return utf16;
}

text gbk_from_utf16(std::u16string_view utf16) {
    text gbk;
    const auto& forms = code_page_detail::encode_table();
    // A BMP unit takes at most four bytes (the four-byte range), a surrogate pair four.
    append_converted(gbk, utf16.size() * 4, [&](char* out) {
        decode_utf16(utf16, [&](char32_t c) { out = put_gbk(out, c, forms); });
        return out;
    });
    return gbk;
}

std::string utf8_from_gbk(std::string_view gbk) {
    std::string utf8;
    // A lone byte may give three UTF-8 bytes (0x80 is U+20AC, a bad byte U+FFFD); a pair at
    // most three, a four-byte sequence four.
    append_converted(utf8, gbk.size() * 3, [&](char* out) {
        decode_gbk(gbk, [&](char32_t c) { out = put_utf8(out, c); });
        return out;
    });
    return utf8;
}

void append_utf8_from_gbk(std::string_view gbk, text& utf8) {
    append_converted(utf8, gbk.size() * 3, [&](char* out) {
        decode_gbk(gbk, [&](char32_t c) { out = put_utf8(out, c); });
        return out;
    });
}

text gbk_from_utf8(std::string_view utf8) {
    text gbk;
    const auto& forms = code_page_detail::encode_table();
    // Each UTF-8 byte yields at most one character, and a character at most four bytes.
    append_converted(gbk, utf8.size() * 4, [&](char* out) {
        decode_utf8(utf8, [&](char32_t c) { out = put_gbk(out, c, forms); });
        return out;
    });
    return gbk;
}

std::string utf8_from_utf16(std::u16string_view utf16) {
    std::string utf8;
    append_converted(utf8, utf16.size() * 3, [&](char* out) {
        decode_utf16(utf16, [&](char32_t c) { out = put_utf8(out, c); });
        return out;
    });
    return utf8;
}

std::u16string utf16_from_utf8(std::string_view utf8) {
    std::u16string utf16;
    append_converted(utf16, utf8.size(), [&](char16_t* out) {
        decode_utf8(utf8, [&](char32_t c) { out = put_utf16(out, c); });
        return out;
    });
    return utf16;
}

}  // namespace batchvcf
