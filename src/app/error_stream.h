#pragma once
// Standard error for texts of the program: readable whatever the terminal, and UTF-8 when it is
// redirected, so that scripts and tests see the same bytes on every system.

#include <string_view>

namespace batchvcf {

// Writes the code page 936 `message_gbk` and a line break to standard error.
void write_to_error_stream(std::string_view message_gbk);

}  // namespace batchvcf
