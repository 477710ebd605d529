#pragma once
// The files imports have opened, by file number. An import closes its file as soon as it has
// read it; whatever is still open when the program ends, the end procedure closes.

#include <cstdint>
#include <optional>

#include "import/platform_files.h"

namespace batchvcf {

// Keeps `handle` open under a new positive number; numbers are never given twice in a run.
std::int32_t keep_open_file(platform_handle handle);
// The handle kept under `file_number`, or nothing when no open file has that number.
std::optional<platform_handle> open_file_handle(std::int32_t file_number) noexcept;
// Closes the file kept under `file_number`; an unknown number is ignored.
void close_open_file(std::int32_t file_number) noexcept;
// How many files are open now.
int open_file_count() noexcept;

// Closes every file an import opened and has not closed yet; part of the end procedure.
void close_every_open_file() noexcept;

}  // namespace batchvcf
