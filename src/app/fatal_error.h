#pragma once
// The one way the program stops on an error it cannot go on from.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace batchvcf {

// Shows "运行时出错!..." with the code (when not 0) and the message (when not empty) in the error
// box, drops the exit routines, runs the rest of the end procedure and ends the process with
// exit code -1. `message` is code page 936.
[[noreturn]] void report_fatal_error(std::int32_t code, std::string_view message);

// report_fatal_error with code 0 and "分配 <bytes> 字节内存失败!".
[[noreturn]] void report_storage_exhausted(std::size_t bytes);

}  // namespace batchvcf
