#pragma once
// Byte streams for the converter's tests: input from a string, in pieces of a chosen size, that
// can refuse to rewind (a pipe) or fail part way; output into a string that can refuse to grow.

#include <cstddef>
#include <string>
#include <vector>

#include "txt2vcf/byte_stream.h"

namespace batchvcf::txt2vcf::testing {

class string_source : public byte_source {
  public:
    explicit string_source(std::string bytes, std::size_t piece = 1 << 20, bool rewindable = true)
        : bytes_(std::move(bytes)), piece_(piece), rewindable_(rewindable) {}

    // Reading fails once this many bytes have been handed out.
    void fail_after(std::size_t bytes) { fail_after_ = bytes; }

    std::size_t read(char* buffer, std::size_t capacity) override;
    bool failed() const override { return failed_; }
    bool rewind() override;
    std::string failure_reason() const override { return "device gone"; }

  private:
    std::string bytes_;
    std::size_t piece_;
    bool rewindable_;
    std::size_t at_ = 0;
    std::size_t fail_after_ = std::string::npos;
    bool failed_ = false;
};

class string_sink : public byte_sink {
  public:
    bool write(std::string_view bytes) override;
    std::string failure_reason() const override { return "disk full"; }

    std::string bytes;
    std::size_t room = std::string::npos;  // writes past this many bytes fail
};

// Every line of `bytes` read through a line_reader, with "<too long>" for a dropped line.
// Everything `source` gives, asked for `ask` bytes at a time (small asks cut characters).
std::string read_all(byte_source& source, std::size_t ask = 4096);

std::vector<std::string> lines_of(std::string bytes, std::size_t piece = 1 << 20, bool gbk = false);

}  // namespace batchvcf::txt2vcf::testing
