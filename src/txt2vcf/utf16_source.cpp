#include "txt2vcf/utf16_source.h"

#include <algorithm>
#include <cstring>

#include "text/code_page.h"

namespace batchvcf::txt2vcf {
namespace {

constexpr std::size_t raw_chunk = std::size_t{1} << 16;

bool is_high_surrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

bool utf16_source::decode_more() {
    if (at_eof_) return false;
    std::string raw = std::move(carry_);
    carry_.clear();
    const std::size_t kept = raw.size();
    raw.resize(kept + raw_chunk);
    const std::size_t count = raw_.read(raw.data() + kept, raw_chunk);
    raw.resize(kept + count);
    std::u16string units;
    if (high_ != 0) units.push_back(high_);
    high_ = 0;
    if (count == 0) {
        at_eof_ = true;
        // An odd byte at the end is half a unit: it stands for one unknown character.
        if (!raw.empty()) units.push_back(u'\uFFFD');
    } else {
        if (raw.size() % 2 != 0) {
            carry_.assign(1, raw.back());
            raw.pop_back();
        }
        units.reserve(units.size() + raw.size() / 2);
        for (std::size_t i = 0; i < raw.size(); i += 2) {
            const auto first = static_cast<unsigned char>(raw[i]);
            const auto second = static_cast<unsigned char>(raw[i + 1]);
            units.push_back(big_endian_ ? static_cast<char16_t>(first << 8 | second)
                                        : static_cast<char16_t>(second << 8 | first));
        }
        // A pair may be cut between two reads: keep its first half for the next one.
        if (!units.empty() && is_high_surrogate(units.back())) {
            high_ = units.back();
            units.pop_back();
        }
    }
    if (at_start_ && !units.empty()) {
        at_start_ = false;
        if (units.front() == u'\uFEFF') units.erase(0, 1);
    }
    utf8_ = utf8_from_utf16(units);
    handed_ = 0;
    return true;
}

std::size_t utf16_source::read(char* buffer, std::size_t capacity) {
    while (handed_ == utf8_.size()) {
        if (!decode_more()) return 0;
    }
    const std::size_t count = std::min(capacity, utf8_.size() - handed_);
    std::memcpy(buffer, utf8_.data() + handed_, count);
    handed_ += count;
    return count;
}

}  // namespace batchvcf::txt2vcf
