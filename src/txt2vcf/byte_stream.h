#pragma once
// Where the converter's bytes come from and go to. Files, standard input and output, and test
// doubles all stand behind these two interfaces, so the conversion never sees a platform.

#include <cstddef>
#include <string>
#include <string_view>

namespace batchvcf::txt2vcf {

class byte_source {
  public:
    virtual ~byte_source() = default;
    // Up to `capacity` bytes into `buffer`; 0 at the end of the input or on failure (failed() then
    // tells which).
    virtual std::size_t read(char* buffer, std::size_t capacity) = 0;
    virtual bool failed() const = 0;
    // Back to the first byte, for a second pass. False where the input can't go back (a pipe).
    virtual bool rewind() = 0;
    // Why the last read or rewind failed, for the message.
    virtual std::string failure_reason() const { return "read error"; }
};

class byte_sink {
  public:
    virtual ~byte_sink() = default;
    // False when the bytes could not all be written.
    virtual bool write(std::string_view bytes) = 0;
    // Pushes out what the sink still holds; false when that fails.
    virtual bool flush() { return true; }
    virtual std::string failure_reason() const { return "write error"; }
};

// Reads all of `first`, then all of `second`: a stream whose start was already taken out of it.
class chained_source final : public byte_source {
  public:
    chained_source(byte_source& first, byte_source& second) : first_(first), second_(second) {}
    std::size_t read(char* buffer, std::size_t capacity) override;
    bool failed() const override { return first_.failed() || second_.failed(); }
    bool rewind() override { return false; }
    std::string failure_reason() const override;

  private:
    byte_source& first_;
    byte_source& second_;
    bool first_done_ = false;
};

}  // namespace batchvcf::txt2vcf
