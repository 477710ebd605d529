#include "text/large_block.h"

#include <sys/mman.h>

#include <cstdlib>

namespace batchvcf {

void* allocate_large_block(std::size_t bytes) noexcept {
    constexpr std::size_t huge_page = std::size_t{2} << 20;
    const std::size_t rounded = (bytes + huge_page - 1) / huge_page * huge_page;
    void* block = std::aligned_alloc(huge_page, rounded);
    // Only advice: where huge pages are off or unsupported the block works the same.
    if (block != nullptr) madvise(block, rounded, MADV_HUGEPAGE);
    return block;
}

}  // namespace batchvcf
