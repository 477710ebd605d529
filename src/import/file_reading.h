#pragma once
// Opening and reading an imported file. Failures come back as values with the system's reason,
// so the import can tell the user instead of going on with text it never read.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/text.h"

namespace batchvcf {

struct opened_file {
    std::int32_t file_number = 0;  // positive when opened, 0 when not
    text reason;                   // the system's reason when not opened, maybe empty
};

// Opens the existing file at `path_gbk` for reading raw bytes, shared with other programs, and
// keeps it under a new file number (see open_files.h). An empty path opens nothing.
opened_file open_for_reading(std::string_view path_gbk);

struct file_contents {
    bool read = false;
    text file_text;  // when read: the file's bytes up to the end of text (see end_of_text)
    text reason;     // when not read: the system's reason, maybe empty
};

// Reads the whole of an open file from its first byte. A file of 2 GiB or more is refused, as
// its length would not fit the 32-bit counts of a text; an empty file reads as the empty text.
file_contents read_file_text(std::int32_t file_number);

// Where the text in `bytes` ends: at the first 0x00 or 0x1A that is not the second byte of a
// two-byte character, or before a lead byte followed by 0x00. A lead byte that is the very last
// byte stays in the text. The length of `bytes` when nothing ends it.
std::size_t end_of_text(std::string_view bytes) noexcept;

}  // namespace batchvcf
