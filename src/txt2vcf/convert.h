#pragma once
// The conversion itself: lines in, cards out, a warning for every line that gives no card.

#include <cstdint>
#include <string>
#include <string_view>

#include "text/text.h"
#include "txt2vcf/byte_stream.h"

namespace batchvcf::txt2vcf {

// What became of one line.
// What became of a line. `line_break`: its number holds a CR or LF, which only a CR LF taken
// into a two-byte character can bring there; in a card it would end the TEL line.
enum class line_verdict { card, empty, no_separator, no_number, line_break };

// Turns lines of one encoding into card records. The record is the window's, byte for byte:
// code page 936 names and numbers go to UTF-8 through the same conversion the window uses.
class card_maker {
  public:
    // `separator` is in the lines' encoding; `gbk` false means UTF-8.
    card_maker(std::string_view separator, bool gbk, bool trim_last);

    // Appends the record of `line` to `out` when it has a name and a number.
    line_verdict add(std::string_view line, text& out);

  private:
    std::string separator_;
    bool gbk_;
    bool trim_last_;
    text name_utf8_;
    text number_utf8_;
    std::string repaired_;
};

struct conversion_result {
    enum class outcome { done, read_failed, write_failed } status = outcome::done;
    std::string reason;
    std::int64_t cards = 0;
    std::int64_t skipped = 0;
};

// Reads `lines` (code page 936 when `gbk`, else UTF-8) to the end and writes the cards to `out`
// in large pieces; warnings name the line ("txt2vcf: line 7: no separator, skipped") and go to
// `warnings` unless `quiet`. UTF-8 lines that are not valid are repaired with U+FFFD first.
conversion_result convert_lines(byte_source& lines, bool gbk, std::string_view separator,
                                bool trim_last, bool quiet, byte_sink& out, byte_sink& warnings);

}  // namespace batchvcf::txt2vcf
