#include "text/storage.h"

#include <cstdlib>

#include "app/fatal_error.h"
#include "text/large_block.h"

namespace batchvcf {
namespace {

long acquisitions_until_failure = 0;

bool injected_failure_due() noexcept {
    if (acquisitions_until_failure <= 0) return false;
    return --acquisitions_until_failure == 0;
}

}  // namespace

void* try_acquire_storage(std::size_t bytes) noexcept {
    if (injected_failure_due()) return nullptr;
    return bytes >= large_block_threshold ? allocate_large_block(bytes)
                                          : std::malloc(bytes == 0 ? 1 : bytes);
}

void* acquire_storage(std::size_t bytes) {
    void* block = try_acquire_storage(bytes);
    if (block == nullptr) report_storage_exhausted(bytes);
    return block;
}

void give_back_storage(void* block) noexcept {
    std::free(block);
}

void fail_storage_acquisition(long n) noexcept {
    acquisitions_until_failure = n;
}

}  // namespace batchvcf
