#include <iconv.h>

#include <cstddef>

#include "text/code_page_tables.h"

namespace batchvcf::code_page_detail {
namespace {

// glibc's "GBK" and "CP936" reject the user-defined areas and 0x80; its "GB18030" agrees with
// Windows on every two-byte cell but these, where GB18030 revisions moved a private-use
// character of code page 936 to a standard one. Windows keeps the private-use characters, in
// runs whose values climb with the trail byte (0x7F is skipped, as everywhere).
struct pair_override {
    unsigned char lead;
    unsigned char first_trail;
    unsigned char last_trail;
    char16_t first_value;
};
constexpr pair_override overrides[] = {
    {0xA2, 0xE3, 0xE3, 0xE76C}, {0xA6, 0xD9, 0xDF, 0xE78D}, {0xA6, 0xEC, 0xED, 0xE794},
    {0xA6, 0xF3, 0xF3, 0xE796}, {0xA8, 0xBC, 0xBC, 0xE7C7}, {0xA8, 0xBF, 0xBF, 0xE7C8},
    {0xA9, 0x89, 0x95, 0xE7E7}, {0xFE, 0x50, 0xA0, 0xE815},
};

constexpr bool is_trail_byte(unsigned trail) noexcept {
    return trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

// One BMP character for the pair, or 0 where iconv rejects it or gives anything else.
char16_t convert_pair(iconv_t converter, unsigned char lead, unsigned char trail) {
    char input[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    unsigned char output[8];
    char* in = input;
    char* out = reinterpret_cast<char*>(output);
    std::size_t in_left = sizeof input;
    std::size_t out_left = sizeof output;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &in, &in_left, &out, &out_left) == static_cast<std::size_t>(-1) ||
        in_left != 0 || sizeof output - out_left != 2) {
        return 0;
    }
    return static_cast<char16_t>(output[0] | (output[1] << 8));
}

}  // namespace

void fill_from_platform(pair_table& table) {
    // The two bytes that stand alone in code page 936 and in no GB18030 revision.
    table.single[0x80] = 0x20AC;
    table.single[0xFF] = 0xF8F5;

    const iconv_t converter = iconv_open("UTF-16LE", "GB18030");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return;  // no gconv modules: every pair stays invalid and reads as U+FFFD
    }
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (is_trail_byte(trail)) {
                table.pairs[(lead - 0x81) * 256 + trail] = convert_pair(
                    converter, static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
            }
        }
    }
    iconv_close(converter);

    for (const pair_override& run : overrides) {
        char16_t value = run.first_value;
        for (unsigned trail = run.first_trail; trail <= run.last_trail; ++trail) {
            if (is_trail_byte(trail)) {
                table.pairs[(run.lead - 0x81) * 256 + trail] = value++;
            }
        }
    }
}

}  // namespace batchvcf::code_page_detail
