#pragma once
// Storage for blocks of many megabytes (the card text of a million records, a whole imported
// file). Touched page by page, such a block costs one page fault per 4 KiB, which in a virtual
// machine is most of the time spent filling it; where the system offers transparent huge pages,
// a large block asks for them.

#include <cstddef>

namespace batchvcf {

inline constexpr std::size_t large_block_threshold = std::size_t{4} << 20;

// A block of at least `bytes` bytes that std::free gives back, or nullptr.
void* allocate_large_block(std::size_t bytes) noexcept;

}  // namespace batchvcf
