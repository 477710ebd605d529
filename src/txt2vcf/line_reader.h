#pragma once
// Cuts a byte stream into lines at CR LF, LF or a lone CR, holding only the line at hand. The
// bytes are code page 936 or UTF-8; in both, 0x0A and 0x0D only ever stand for themselves in
// valid text, so no character can be cut.
//
// Code page 936 is read as the window's import reads it, so that both make the same cards from a
// CR LF file: a byte of 0x80 or above takes the byte after it as its partner, so a CR LF right
// after such a byte with no partner of its own (the euro sign 0x80, a damaged character) ends no
// line, a Ctrl-Z in second place ends no text, and a lead byte before a NUL is dropped with it.
// An LF or a lone CR after such a byte still ends the line: the window never divides there.

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

    // A UTF-8 byte-order mark at the very start is dropped when `drop_utf8_bom` is set; `gbk`
    // pairs bytes as described above.
    line_reader(byte_source& source, bool drop_utf8_bom, bool gbk = false);

    // The next line without its ending, valid until the next call; `too_long` for a line past
    // `longest_line` (its bytes are gone); `end` once the input is used up, has failed (the
    // source's failed() tells), or has reached a NUL or Ctrl-Z byte. Those two end the text as
    // they do for the window's import: old DOS files close with Ctrl-Z.
    status next(std::string_view& line);

    // The number of the physical line on which the line returned last starts: 1 for the first;
    // every line counts, empty ones and those a CR LF inside a character joined included.
    std::int64_t line_number() const noexcept { return line_number_; }
    // True when a NUL or Ctrl-Z byte ended the input with more bytes after it.
    bool ignored_rest() const noexcept { return ignored_rest_; }
    // The line on which that byte stands.
    std::int64_t mark_line() const noexcept { return mark_line_; }

  private:
    bool fill();
    // The first line ending or end mark at or after `from`, or end_ when the bytes at hand hold
    // none; `resume` is then where the scan must go on once more bytes have come (the start of a
    // character whose partner has not been read yet).
    std::size_t find_ending(std::size_t from, std::size_t& resume) noexcept;
    // Hands out `length` bytes from begin_ as the next line; the one after starts at next_begin.
    status take_line(std::string_view& line, std::size_t length, std::size_t next_begin);

    byte_source& source_;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;  // first byte of the line at hand
    std::size_t scan_ = 0;   // bytes before this hold no line ending
    std::size_t end_ = 0;
    std::int64_t line_number_ = 0;
    std::int64_t joined_in_line_ = 0;      // CR LFs taken into the line at hand
    std::int64_t joined_in_previous_ = 0;  // and into the line returned last
    bool gbk_ = false;
    std::int64_t mark_line_ = 0;
    bool at_eof_ = false;
    bool finished_ = false;
    bool discarding_ = false;  // inside a line that has grown past longest_line
    bool ignored_rest_ = false;
};

}  // namespace batchvcf::txt2vcf
