#pragma once

namespace batchvcf {

// Closes every file an import opened and has not closed yet; part of the end procedure.
void close_every_open_file() noexcept;

}  // namespace batchvcf
