#include "txt2vcf/line_reader.h"

#include <array>
#include <cstring>

namespace batchvcf::txt2vcf {
namespace {

constexpr std::size_t buffer_size = 2 * line_reader::longest_line;

constexpr std::array<bool, 256> ending_bytes = [] {
    std::array<bool, 256> table{};
    table['\r'] = table['\n'] = table['\0'] = table['\x1A'] = true;
    return table;
}();

}  // namespace

line_reader::line_reader(byte_source& source, bool drop_utf8_bom, bool gbk)
    : source_(source), buffer_(new char[buffer_size]), gbk_(gbk) {
    if (!drop_utf8_bom) return;
    while (end_ < 3 && fill()) {
    }
    if (end_ >= 3 && std::memcmp(buffer_.get(), "\xEF\xBB\xBF", 3) == 0) begin_ = scan_ = 3;
}

bool line_reader::fill() {
    if (at_eof_) return false;
    if (begin_ != 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        scan_ -= begin_;
        begin_ = 0;
    }
    const std::size_t count = source_.read(buffer_.get() + end_, buffer_size - end_);
    if (count == 0) {
        at_eof_ = true;
        return false;
    }
    end_ += count;
    return true;
}

std::size_t line_reader::find_ending(std::size_t from, std::size_t& resume) noexcept {
    const auto* bytes = reinterpret_cast<const unsigned char*>(buffer_.get());
    resume = end_;
    if (!gbk_) {
        while (from < end_ && !ending_bytes[bytes[from]]) ++from;
        return from;
    }
    while (from < end_) {
        const unsigned char byte = bytes[from];
        if (byte < 0x80) {
            if (ending_bytes[byte]) return from;
            ++from;
            continue;
        }
        // A lead byte: what it is depends on the bytes after it, which may not be here yet. At
        // the end of the input it simply stays in the line.
        const std::size_t known = end_ - from;
        if (known == 1 && !at_eof_) {
            resume = from;
            return end_;
        }
        const unsigned char partner = known > 1 ? bytes[from + 1] : 0xFF;
        if (known == 1 || partner == '\n') {
            from += 1;  // an LF is never a partner: it ends the line as it does in any file
        } else if (partner == '\0') {
            return from;  // the text ends before the lead byte
        } else if (partner == '\r') {
            if (known == 2 && !at_eof_) {
                resume = from;
                return end_;
            }
            const bool crlf = known > 2 && bytes[from + 2] == '\n';
            if (!crlf) {
                from += 1;  // a lone CR ends the line, as it does in any file
                continue;
            }
            from += 3;  // the CR LF the window's division never sees
            ++joined_in_line_;
        } else {
            from += 2;
        }
    }
    return from;
}

line_reader::status line_reader::next(std::string_view& line) {
    while (!finished_) {
        std::size_t resume = end_;
        const std::size_t at = find_ending(scan_, resume);
        if (at == end_) {
            if (discarding_ || end_ - begin_ >= longest_line) {
                discarding_ = true;
                begin_ = resume;  // keeps a character whose partner is still to come
            }
            scan_ = resume;
            if (fill()) continue;
            finished_ = true;
            if (!discarding_ && begin_ == end_) break;
            return take_line(line, end_ - begin_, end_);
        }
        const std::size_t length = at - begin_;
        const char ending = buffer_[at];
        if (ending == '\r') {
            // A CR that ends the bytes at hand may be the first half of a CR LF.
            if (at + 1 == end_) {
                scan_ = at;
                if (fill()) continue;  // find the CR again, now with what follows it
            }
            const std::size_t cr = begin_ + length;  // fill() may have moved the bytes
            const bool lf = cr + 1 < end_ && buffer_[cr + 1] == '\n';
            return take_line(line, length, cr + (lf ? 2 : 1));
        }
        if (ending == '\n') return take_line(line, length, at + 1);
        // A NUL or Ctrl-Z, or a lead byte before a NUL: the text ends here.
        finished_ = true;
        mark_line_ = line_number_ + 1 + joined_in_previous_ + joined_in_line_;
        ignored_rest_ = at + 1 < end_ || fill();
        if (length == 0 && !discarding_) break;
        return take_line(line, length, begin_ + length + 1);
    }
    return status::end;
}

line_reader::status line_reader::take_line(std::string_view& line, std::size_t length,
                                           std::size_t next_begin) {
    line = std::string_view(buffer_.get() + begin_, length);
    const bool too_long = discarding_ || length >= longest_line;
    begin_ = scan_ = next_begin;
    discarding_ = false;
    line_number_ += 1 + joined_in_previous_;
    joined_in_previous_ = joined_in_line_;
    joined_in_line_ = 0;
    return too_long ? status::too_long : status::line;
}

}  // namespace batchvcf::txt2vcf
