#include "cards/line_fields.h"

#include "text/text.h"

namespace batchvcf {

std::size_t find_field_separator(std::string_view line, std::size_t scan,
                                 std::string_view separator) noexcept {
    while (line.size() - scan >= separator.size()) {
        if (line[scan] == separator[0] && line.compare(scan, separator.size(), separator) == 0)
            return scan;
        if (is_lead_byte(static_cast<unsigned char>(line[scan]))) {
            if (scan + 1 == line.size()) break;  // a lone lead byte at the very end
            scan += 2;
        } else {
            scan += 1;
        }
    }
    return std::string_view::npos;
}

std::optional<name_and_number> first_two_fields(std::string_view line,
                                                std::string_view separator) noexcept {
    if (line.empty() || separator.empty()) return std::nullopt;
    const std::size_t first = find_field_separator(line, 0, separator);
    if (first == std::string_view::npos) return std::nullopt;
    const std::size_t number_start = first + separator.size();
    const std::size_t second = find_field_separator(line, number_start, separator);
    // Text after the last separator is a field only when it is not empty; text between two
    // separators is a field even when it is.
    if (second == std::string_view::npos && number_start == line.size()) return std::nullopt;
    const std::size_t number_end = second == std::string_view::npos ? line.size() : second;
    return name_and_number{line.substr(0, first),
                           line.substr(number_start, number_end - number_start)};
}

}  // namespace batchvcf
