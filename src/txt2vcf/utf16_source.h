#pragma once
// A UTF-16 byte stream read as UTF-8, piece by piece, so that the line reader needs to know only
// one kind of byte text. The byte-order mark at the start is dropped.

#include <string>

#include "txt2vcf/byte_stream.h"

namespace batchvcf::txt2vcf {

class utf16_source final : public byte_source {
  public:
    utf16_source(byte_source& raw, bool big_endian) : raw_(raw), big_endian_(big_endian) {}

    // Invalid units (a lone surrogate, an odd last byte) come out as U+FFFD.
    std::size_t read(char* buffer, std::size_t capacity) override;
    bool failed() const override { return raw_.failed(); }
    bool rewind() override { return false; }
    std::string failure_reason() const override { return raw_.failure_reason(); }

  private:
    bool decode_more();

    byte_source& raw_;
    bool big_endian_;
    bool at_start_ = true;
    bool at_eof_ = false;
    std::string carry_;  // the odd byte of a unit cut between two reads
    char16_t high_ = 0;  // a high surrogate waiting for its partner
    std::string utf8_;   // decoded, not yet handed out
    std::size_t handed_ = 0;
};

}  // namespace batchvcf::txt2vcf
