#pragma once
// The platform's share of reading an imported file; each *_posix.cpp / *_win.cpp twin of
// file_reading implements it. A handle is the platform's own (a descriptor, a HANDLE) widened.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/text.h"

namespace batchvcf {

using platform_handle = std::intptr_t;

struct platform_open_result {
    bool opened = false;
    platform_handle handle = 0;
    text reason;  // when not opened
};

// Opens an existing file for reading raw bytes, leaving other programs free to read and write it.
platform_open_result open_shared_for_reading(std::string_view path_gbk);

struct platform_size_result {
    bool known = false;
    std::uint64_t size = 0;
    text reason;  // when not known
};

platform_size_result platform_file_size(platform_handle handle);

struct platform_read_result {
    bool read = false;
    std::size_t count = 0;  // bytes placed in the buffer; fewer than asked at the end of the file
    text reason;            // when not read
};

// Reads from the present position until `capacity` bytes or the end of the file.
platform_read_result read_platform_file(platform_handle handle, char* buffer, std::size_t capacity);

void close_platform_file(platform_handle handle) noexcept;

// Reasons for the refusals that are ours rather than a failed call's.
text file_too_large_reason();
text storage_unavailable_reason();

}  // namespace batchvcf
