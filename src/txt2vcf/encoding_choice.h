#pragma once
// The automatic choice of the input's encoding, which may need the whole input before the first
// line can be read. A file is read twice; a pipe's bytes are kept in a spill file meanwhile, so
// memory stays the same whatever the input's size.

#include <optional>
#include <string>
#include <string_view>

#include "txt2vcf/byte_stream.h"
#include "txt2vcf/file_stream.h"
#include "txt2vcf/options.h"

namespace batchvcf::txt2vcf {

// UTF-8 after a UTF-8 byte-order mark, UTF-16 after a UTF-16 one, UTF-8 when `valid_utf8`,
// else code page 936. `start` is the input's first bytes (three are enough).
input_encoding encoding_from(std::string_view start, bool valid_utf8) noexcept;

// Decides the encoding of `source` and gives the stream to convert, from its first byte: the
// source itself, rewound, or the spilled bytes followed by the rest of the source. The stream
// lives as long as this object and `source`.
class encoding_choice {
  public:
    explicit encoding_choice(byte_source& source);

    // nullopt when reading, rewinding or spilling failed; failure_reason() tells why.
    std::optional<input_encoding> encoding() const { return encoding_; }
    byte_source& stream() { return chained_ ? *chained_ : source_; }
    const std::string& failure_reason() const { return reason_; }

  private:
    byte_source& source_;
    std::optional<input_encoding> encoding_;
    std::string reason_;
    file_handle spill_;
    std::optional<file_source> spilled_;
    std::optional<chained_source> chained_;
};

}  // namespace batchvcf::txt2vcf
