#include "txt2vcf/utf8_check.h"

#include <cstdint>
#include <cstring>

#include "text/code_page.h"

namespace batchvcf::txt2vcf {

void utf8_validator::feed(std::string_view bytes) noexcept {
    const auto* cursor = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = cursor + bytes.size();
    while (valid_ && cursor != end) {
        if (needed_ == 0) {
            // Contact lists are mostly ASCII: pass eight plain bytes at a time.
            while (end - cursor >= 8) {
                std::uint64_t block;
                std::memcpy(&block, cursor, 8);
                if ((block & 0x8080808080808080ULL) != 0) break;
                cursor += 8;
            }
            if (cursor == end) break;
            const unsigned char lead = *cursor++;
            if (lead < 0x80) continue;
            lower_ = 0x80;
            upper_ = 0xBF;
            if (lead >= 0xC2 && lead <= 0xDF) {
                needed_ = 1;
            } else if (lead >= 0xE0 && lead <= 0xEF) {
                needed_ = 2;
                if (lead == 0xE0) lower_ = 0xA0;  // overlong below U+0800
                if (lead == 0xED) upper_ = 0x9F;  // surrogates U+D800..U+DFFF
            } else if (lead >= 0xF0 && lead <= 0xF4) {
                needed_ = 3;
                if (lead == 0xF0) lower_ = 0x90;  // overlong below U+10000
                if (lead == 0xF4) upper_ = 0x8F;  // above U+10FFFF
            } else {
                valid_ = false;  // a continuation byte without lead, C0, C1 or F5..FF
            }
            continue;
        }
        const unsigned char next = *cursor++;
        if (next < lower_ || next > upper_) {
            valid_ = false;
            break;
        }
        lower_ = 0x80;
        upper_ = 0xBF;
        --needed_;
    }
}

bool is_valid_utf8(std::string_view bytes) noexcept {
    utf8_validator validator;
    validator.feed(bytes);
    return validator.finish();
}

std::string repaired_utf8(std::string_view bytes) {
    return utf8_from_utf16(utf16_from_utf8(bytes));
}

}  // namespace batchvcf::txt2vcf
