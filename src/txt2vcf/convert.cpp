#include "txt2vcf/convert.h"

#include "cards/card_record.h"
#include "text/code_page.h"
#include "txt2vcf/line_fields.h"
#include "txt2vcf/line_reader.h"
#include "txt2vcf/utf8_check.h"

namespace batchvcf::txt2vcf {
namespace {

// Cards are handed to the sink in pieces of about this size: few writes, bounded memory.
constexpr std::size_t flush_size = std::size_t{1} << 20;

// Numbers are nearly always ASCII, the same bytes in both encodings.
bool is_ascii(std::string_view value) noexcept {
    for (const char byte : value) {
        if (static_cast<unsigned char>(byte) >= 0x80) return false;
    }
    return true;
}

void warn(byte_sink& warnings, std::int64_t line_number, std::string_view what) {
    std::string message = "txt2vcf: line " + std::to_string(line_number) + ": ";
    message.append(what);
    message.push_back('\n');
    warnings.write(message);
}

std::string_view skip_reason(line_verdict verdict) noexcept {
    switch (verdict) {
        case line_verdict::no_number:
            return "no number after the separator, skipped";
        case line_verdict::line_break:
            return "a CR LF inside a two-byte character joins the next line, skipped";
        default:
            return "no separator, skipped";
    }
}

}  // namespace

card_maker::card_maker(std::string_view separator, bool gbk, bool trim_last)
    : separator_(separator), gbk_(gbk), trim_last_(trim_last) {}

line_verdict card_maker::add(std::string_view line, text& out) {
    if (line.empty()) return line_verdict::empty;
    if (!gbk_ && !is_valid_utf8(line)) {
        repaired_ = repaired_utf8(line);
        line = repaired_;
    }
    if (trim_last_) {
        line = line.substr(0, last_character_start(line, gbk_));
        if (line.empty()) return line_verdict::empty;  // as the window passes it over
    }
    const leading_fields fields = first_two_fields(line, separator_, gbk_);
    if (fields.count < 2) {
        return fields.count == 1 && fields.name.size() < line.size() ? line_verdict::no_number
                                                                     : line_verdict::no_separator;
    }
    // A doubled separator leaves the number field empty: a card without its number, which the
    // window does not write either.
    if (fields.number.empty()) return line_verdict::no_number;
    if (fields.number.find_first_of("\r\n") != std::string_view::npos)
        return line_verdict::line_break;
    if (!gbk_) {
        append_card_record_utf8(out, fields.name, fields.number);
        return line_verdict::card;
    }
    name_utf8_.clear();
    append_utf8_from_gbk(fields.name, name_utf8_);
    std::string_view number = fields.number;
    if (!is_ascii(number)) {
        number_utf8_.clear();
        append_utf8_from_gbk(number, number_utf8_);
        number = number_utf8_;
    }
    append_card_record_utf8(out, name_utf8_, number);
    return line_verdict::card;
}

conversion_result convert_lines(byte_source& lines, bool gbk, std::string_view separator,
                                bool trim_last, bool quiet, byte_sink& out, byte_sink& warnings) {
    conversion_result result;
    line_reader reader(lines, true, gbk);
    card_maker maker(separator, gbk, trim_last);
    text cards;
    cards.reserve(flush_size + 4096);
    const auto flush = [&] {
        if (!out.write(cards)) {
            result.status = conversion_result::outcome::write_failed;
            result.reason = out.failure_reason();
        }
        cards.clear();
    };

    std::string_view line;
    for (line_reader::status status; (status = reader.next(line)) != line_reader::status::end;) {
        if (status == line_reader::status::too_long) {
            ++result.skipped;
            if (!quiet) warn(warnings, reader.line_number(), "longer than 1 MiB, skipped");
            continue;
        }
        const line_verdict verdict = maker.add(line, cards);
        if (verdict == line_verdict::card) {
            ++result.cards;
            if (cards.size() >= flush_size) {
                flush();
                if (result.status != conversion_result::outcome::done) return result;
            }
        } else if (verdict != line_verdict::empty) {
            ++result.skipped;
            if (!quiet) {
                warn(warnings, reader.line_number(), skip_reason(verdict));
            }
        }
    }
    if (lines.failed()) {
        result.status = conversion_result::outcome::read_failed;
        result.reason = lines.failure_reason();
        return result;
    }
    if (reader.ignored_rest() && !quiet) {
        warn(warnings, reader.mark_line(),
             "a NUL or Ctrl-Z byte ends the text, the rest is ignored");
    }
    flush();
    return result;
}

}  // namespace batchvcf::txt2vcf
