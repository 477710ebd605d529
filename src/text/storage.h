#pragma once
// Every text value takes its storage here, so that exhaustion has one way out: the fatal
// report "分配 %d 字节内存失败!" and exit code -1, never an exception or a null pointer.

#include <cstddef>

namespace batchvcf {

// Gives `bytes` bytes of storage, or ends the program through report_fatal_error.
void* acquire_storage(std::size_t bytes);
void give_back_storage(void* block) noexcept;
// The same storage for the one request whose failure is not fatal (a buffer for a whole file,
// which may be larger than the storage at hand); nullptr when it can't be had.
void* try_acquire_storage(std::size_t bytes) noexcept;

// Test seam: the `n`th acquisition from now on (1 = the next one) fails as if storage were
// exhausted; 0 switches the fault off. Used by death tests only.
void fail_storage_acquisition(long n) noexcept;

template <class T>
struct storage_allocator {
    using value_type = T;

    storage_allocator() noexcept = default;
    template <class U>
    storage_allocator(const storage_allocator<U>&) noexcept {}

    T* allocate(std::size_t count) { return static_cast<T*>(acquire_storage(count * sizeof(T))); }
    void deallocate(T* block, std::size_t) noexcept { give_back_storage(block); }

    template <class U>
    bool operator==(const storage_allocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace batchvcf
