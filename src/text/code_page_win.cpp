#include <windows.h>

#include "text/code_page_tables.h"

namespace batchvcf::code_page_detail {
namespace {

constexpr UINT code_page_gbk = 936;

char16_t convert(const char* bytes, int count, DWORD flags) {
    wchar_t unit[2] = {};
    if (MultiByteToWideChar(code_page_gbk, flags, bytes, count, unit, 2) != 1) {
        return 0;
    }
    return static_cast<char16_t>(unit[0]);
}

}  // namespace

void fill_from_platform(pair_table& table) {
    // 0x80 and 0xFF stand alone. Wine flags 0xFF as invalid under MB_ERR_INVALID_CHARS yet
    // converts it (to U+F8F5, as Windows does) without that flag, so these are asked without it.
    for (const unsigned char byte : {0x80, 0xFF}) {
        const char input = static_cast<char>(byte);
        table.single[byte] = convert(&input, 1, 0);
    }
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) {
                continue;
            }
            const char input[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            table.pairs[(lead - 0x81) * 256 + trail] = convert(input, 2, MB_ERR_INVALID_CHARS);
        }
    }
}

}  // namespace batchvcf::code_page_detail
