#include "cards/generate_cards.h"

#include <algorithm>

#include "app/program_state.h"
#include "app/system_texts.h"
#include "app/window_operations.h"
#include "cards/card_file.h"
#include "cards/card_record.h"
#include "cards/closing_message.h"
#include "cards/line_fields.h"
#include "cards/write_whole_file.h"
#include "text/code_page.h"

namespace batchvcf {
namespace {

bool holds_line_break(std::string_view value) noexcept {
    return value.find_first_of("\r\n") != std::string_view::npos;
}

bool is_ascii(std::string_view value) noexcept {
    for (const char byte : value)
        if (is_lead_byte(static_cast<unsigned char>(byte))) return false;
    return true;
}

// "生成失败，无法写入文件：<path>", then the system's reason on a line of its own.
text write_failure_message(std::string_view path, std::string_view reason) {
    text message = join_texts(texts::cannot_write_file, path);
    if (!reason.empty()) message.append(texts::line_break).append(reason);
    return message;
}

// Room for the records of every line at once, so the card text grows once per click instead of
// being copied at every doubling. A record takes 145 bytes besides its name (twice, three
// characters per UTF-8 byte) and number; a two-byte character takes three bytes of UTF-8, so 9
// bytes per byte of line is what Chinese names need. Pages never written take no memory.
void reserve_for_records(text& card_text, const text_array& lines) {
    constexpr std::size_t record_frame = 145;
    std::size_t needed = card_text.size();
    for (const text& line : lines) needed += record_frame + 9 * line.size();
    // At least doubled, so that click after click the whole text is not copied every time.
    if (needed > card_text.capacity())
        card_text.reserve(std::max(needed, 2 * card_text.capacity()));
}

}  // namespace

void generate_cards() {
    window_operations& window = main_window();
    program_state& program = state();
    // The stored lines stay as imported: trimming a copy at every click would cut one more byte
    // off every number at every click.
    const bool trim_last_byte = window.ticked() != 0;
    const text separator = window.content();

    reserve_for_records(program.card_text, program.lines);
    skipped_lines skipped;
    text name_utf8;
    text number_utf8;
    std::string_view line;
    for (std::size_t i = 0; i < program.lines.size(); ++i) {
        line = program.lines[i];
        if (trim_last_byte && !line.empty()) line.remove_suffix(1);
        if (line.empty()) continue;  // a blank line is no contact, not a fault

        const std::optional<name_and_number> fields = first_two_fields(line, separator);
        // An empty number (a doubled separator, as in "A,,139...") would make a card that
        // imports without its number, so the line is reported instead. A line break can reach
        // a number only through a CR LF paired with a lead byte before it; in the card it would
        // end the TEL line and let the rest pose as card lines.
        if (!fields || fields->number.empty() || holds_line_break(fields->number)) {
            skipped.note(static_cast<std::int32_t>(i + 1));
            continue;
        }
        name_utf8.clear();
        append_utf8_from_gbk(fields->name, name_utf8);
        std::string_view number = fields->number;
        if (!is_ascii(number)) {
            // Written raw, code page 936 would be misread by every card reader as UTF-8.
            number_utf8.clear();
            append_utf8_from_gbk(number, number_utf8);
            number = number_utf8;
        }
        append_card_record_utf8(program.card_text, name_utf8, number);
    }
    if (!program.lines.empty()) program.fields = divide_text(line, separator);

    const text path = card_file_path();
    const write_outcome outcome = write_whole_file(path, program.card_text);
    window.show_message(outcome.written ? generation_message(skipped)
                                        : write_failure_message(path, outcome.reason));
}

}  // namespace batchvcf
