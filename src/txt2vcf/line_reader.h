#pragma once
// Cuts a byte stream into lines at CR LF, LF or a lone CR, holding only the line at hand. The
// bytes are code page 936 or UTF-8; in both, 0x0A and 0x0D only ever stand for themselves in
// valid text, so no character can be cut.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "txt2vcf/byte_stream.h"

namespace batchvcf::txt2vcf {

class line_reader {
  public:
    // A longer line is passed over rather than held: memory stays bounded whatever the input.
    static constexpr std::size_t longest_line = std::size_t{1} << 20;

    enum class status { line, too_long, end };

    // A UTF-8 byte-order mark at the very start is dropped when `drop_utf8_bom` is set.
    line_reader(byte_source& source, bool drop_utf8_bom);

    // The next line without its ending, valid until the next call; `too_long` for a line past
    // `longest_line` (its bytes are gone); `end` once the input is used up, has failed (the
    // source's failed() tells), or has reached a NUL or Ctrl-Z byte. Those two end the text as
    // they do for the window's import: old DOS files close with Ctrl-Z.
    status next(std::string_view& line);

    // 1 for the first line; counts every line returned, empty ones included.
    std::int64_t line_number() const noexcept { return line_number_; }
    // True when a NUL or Ctrl-Z byte ended the input with more bytes after it.
    bool ignored_rest() const noexcept { return ignored_rest_; }
    // The line on which that byte stands.
    std::int64_t mark_line() const noexcept { return mark_line_; }

  private:
    bool fill();
    std::size_t find_ending(std::size_t from) const noexcept;
    // Hands out `length` bytes from begin_ as the next line; the one after starts at next_begin.
    status take_line(std::string_view& line, std::size_t length, std::size_t next_begin);

    byte_source& source_;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;  // first byte of the line at hand
    std::size_t scan_ = 0;   // bytes before this hold no line ending
    std::size_t end_ = 0;
    std::int64_t line_number_ = 0;
    std::int64_t mark_line_ = 0;
    bool at_eof_ = false;
    bool finished_ = false;
    bool discarding_ = false;  // inside a line that has grown past longest_line
    bool ignored_rest_ = false;
};

}  // namespace batchvcf::txt2vcf
