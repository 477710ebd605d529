#include "text/large_block.h"

#include <cstdlib>

namespace batchvcf {

// Large pages on Windows need a privilege an ordinary user lacks; plain storage it is.
void* allocate_large_block(std::size_t bytes) noexcept {
    return std::malloc(bytes);
}

}  // namespace batchvcf
