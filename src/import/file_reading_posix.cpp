#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "import/platform_files.h"
#include "import/system_reason.h"
#include "text/code_page.h"

namespace batchvcf {

platform_open_result open_shared_for_reading(std::string_view path_gbk) {
    const std::string path = utf8_from_gbk(path_gbk);
    int descriptor = -1;
    do {
        // Not blocking: opening a FIFO nobody writes to would otherwise hang the window.
        descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) return {false, 0, system_reason(errno)};
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode)) {
        // Linux opens a folder for reading; its first read would fail less clearly.
        ::close(descriptor);
        return {false, 0, system_reason(EISDIR)};
    }
    // Reads of a regular file wait as they always do.
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags >= 0) ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK);
    return {true, descriptor, {}};
}

platform_size_result platform_file_size(platform_handle handle) {
    struct stat status {};
    if (::fstat(static_cast<int>(handle), &status) != 0) return {false, 0, system_reason(errno)};
    return {true, static_cast<std::uint64_t>(status.st_size), {}};
}

platform_read_result read_platform_file(platform_handle handle, char* buffer,
                                        std::size_t capacity) {
    std::size_t count = 0;
    while (count < capacity) {
        const ssize_t got = ::read(static_cast<int>(handle), buffer + count, capacity - count);
        if (got < 0) {
            if (errno == EINTR) continue;
            return {false, count, system_reason(errno)};
        }
        if (got == 0) break;  // the file shrank after its size was taken
        count += static_cast<std::size_t>(got);
    }
    return {true, count, {}};
}

void close_platform_file(platform_handle handle) noexcept {
    ::close(static_cast<int>(handle));
}

text file_too_large_reason() {
    return system_reason(EFBIG);
}
text storage_unavailable_reason() {
    return system_reason(ENOMEM);
}

}  // namespace batchvcf
