#include "txt2vcf/line_fields.h"

#include "cards/line_fields.h"
#include "text/text.h"

namespace batchvcf::txt2vcf {
namespace {

bool is_gb18030_second(unsigned char byte) {
    return byte >= 0x30 && byte <= 0x39;
}

// The next place at or after `from` where `separator` matches on a character boundary, or npos.
// In UTF-8 every match is on a boundary; code page 936 is matched exactly as the window matches.
std::size_t find_separator(std::string_view line, std::string_view separator, std::size_t from,
                           bool gbk) {
    return gbk ? find_field_separator(line, from, separator) : line.find(separator, from);
}

}  // namespace

std::size_t last_character_start(std::string_view line, bool gbk) noexcept {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(line[i]); };
    if (line.empty()) return 0;
    if (!gbk) {
        std::size_t at = line.size() - 1;
        while (at > 0 && (byte(at) & 0xC0) == 0x80) --at;
        return at;
    }
    // Code page 936 can't be read backwards: a byte of 0x80 or above may be a lead or a second
    // byte. Walk from the start.
    std::size_t at = 0;
    std::size_t last = 0;
    while (at < line.size()) {
        last = at;
        if (!is_lead_byte(byte(at)) || at + 1 == line.size()) {
            at += 1;
        } else if (is_gb18030_second(byte(at + 1)) && at + 3 < line.size() &&
                   is_lead_byte(byte(at + 2)) && is_gb18030_second(byte(at + 3))) {
            at += 4;
        } else {
            at += 2;
        }
    }
    return last;
}

leading_fields first_two_fields(std::string_view line, std::string_view separator,
                                bool gbk) noexcept {
    leading_fields fields;
    if (line.empty()) return fields;
    const std::size_t first = find_separator(line, separator, 0, gbk);
    if (first == std::string_view::npos) {
        fields.count = 1;
        fields.name = line;
        return fields;
    }
    fields.name = line.substr(0, first);
    const std::size_t start = first + separator.size();
    const std::size_t second = find_separator(line, separator, start, gbk);
    if (second == std::string_view::npos && start == line.size()) {
        fields.count = 1;
        return fields;
    }
    fields.count = 2;
    fields.number = line.substr(start, second == std::string_view::npos ? second : second - start);
    return fields;
}

}  // namespace batchvcf::txt2vcf
