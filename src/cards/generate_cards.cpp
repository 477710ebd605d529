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

// The line as a click reads it. The stored lines stay as imported: trimming them in place would
// cut one more byte off every number at every click.
std::string_view line_for_click(std::string_view stored, bool trim_last_byte) noexcept {
    if (trim_last_byte && !stored.empty()) stored.remove_suffix(1);
    return stored;
}

// The fields a line makes a record of, or nothing when it makes none. An empty number (a doubled
// separator, as in "A,,139...") would make a card that imports without its number, so the line
// is reported instead. A line break can reach a number only through a CR LF paired with a lead
// byte before it; in the card it would end the TEL line and let the rest pose as card lines.
std::optional<name_and_number> record_fields(std::string_view line, std::string_view separator) {
    std::optional<name_and_number> fields = first_two_fields(line, separator);
    if (!fields || fields->number.empty() || holds_line_break(fields->number)) return {};
    return fields;
}

// Room for the records of a click at once, so the card text grows once per click instead of
// being copied at every doubling. Lines that make no record ask for nothing, whatever their
// size. A two-byte character takes at most three bytes of UTF-8 and every UTF-8 byte of the name
// three characters, twice: 9 per byte of name, 3 per byte of number. A rarer, longer form only
// makes the text grow once more. Pages never written take no memory.
void reserve_for_records(text& card_text, const text_array& lines, bool trim_last_byte,
                         std::string_view separator) {
    static const std::size_t record_frame = [] {
        text empty_record;
        append_card_record_utf8(empty_record, {}, {});
        return empty_record.size();
    }();
    std::size_t needed = card_text.size();
    for (const text& stored : lines) {
        if (const auto fields = record_fields(line_for_click(stored, trim_last_byte), separator))
            needed += record_frame + 9 * fields->name.size() + 3 * fields->number.size();
    }
    // At least doubled, so that click after click the whole text is not copied every time.
    if (needed > card_text.capacity())
        card_text.reserve(std::max(needed, 2 * card_text.capacity()));
}

}  // namespace

void generate_cards() {
    window_operations& window = main_window();
    program_state& program = state();
    const bool trim_last_byte = window.ticked() != 0;
    const text separator = window.content();

    reserve_for_records(program.card_text, program.lines, trim_last_byte, separator);
    skipped_lines skipped;
    text name_utf8;
    text number_utf8;
    std::string_view line;
    for (std::size_t i = 0; i < program.lines.size(); ++i) {
        line = line_for_click(program.lines[i], trim_last_byte);
        if (line.empty()) continue;  // a blank line is no contact, not a fault

        const std::optional<name_and_number> fields = record_fields(line, separator);
        if (!fields) {
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
