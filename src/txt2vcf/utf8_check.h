#pragma once
// UTF-8 validity, checked as the bytes arrive: the automatic encoding choice needs to know
// whether a whole stream is UTF-8 without holding it, and forced UTF-8 input is repaired line by
// line before its bytes reach a card.

#include <string>
#include <string_view>

namespace batchvcf::txt2vcf {

// Feeds a stream in pieces of any size; a sequence may be cut between two pieces. Rejects what
// RFC 3629 rejects: overlong forms, surrogates, values above U+10FFFF, stray continuation bytes.
class utf8_validator {
  public:
    void feed(std::string_view bytes) noexcept;
    // False once an invalid byte has been seen; feeding more changes nothing then.
    bool still_valid() const noexcept { return valid_; }
    // True when everything fed is valid and no sequence is left unfinished.
    bool finish() const noexcept { return valid_ && needed_ == 0; }

  private:
    bool valid_ = true;
    int needed_ = 0;              // continuation bytes still to come
    unsigned char lower_ = 0x80;  // bounds of the next continuation byte
    unsigned char upper_ = 0xBF;
};

bool is_valid_utf8(std::string_view bytes) noexcept;

// `bytes` with every invalid sequence replaced by U+FFFD, as the rest of the program converts.
std::string repaired_utf8(std::string_view bytes);

}  // namespace batchvcf::txt2vcf
