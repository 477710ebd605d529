#include <windows.h>

#include <string>

#include "import/platform_files.h"
#include "import/system_reason.h"
#include "text/code_page.h"

namespace batchvcf {
namespace {

HANDLE as_handle(platform_handle handle) noexcept {
    return reinterpret_cast<HANDLE>(handle);
}

text last_reason() {
    return system_reason(static_cast<int>(GetLastError()));
}

}  // namespace

platform_open_result open_shared_for_reading(std::string_view path_gbk) {
    const std::u16string path = utf16_from_gbk(path_gbk);
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(path.c_str()), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {false, 0, last_reason()};
    return {true, reinterpret_cast<platform_handle>(file), {}};
}

platform_size_result platform_file_size(platform_handle handle) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(as_handle(handle), &size)) return {false, 0, last_reason()};
    return {true, static_cast<std::uint64_t>(size.QuadPart), {}};
}

platform_read_result read_platform_file(platform_handle handle, char* buffer,
                                        std::size_t capacity) {
    std::size_t count = 0;
    while (count < capacity) {
        // ReadFile counts in 32 bits; a file under 2 GiB needs one call, the loop is for safety.
        const std::size_t left = capacity - count;
        const DWORD ask = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
        DWORD got = 0;
        if (!ReadFile(as_handle(handle), buffer + count, ask, &got, nullptr))
            return {false, count, last_reason()};
        if (got == 0) break;  // the file shrank after its size was taken
        count += got;
    }
    return {true, count, {}};
}

void close_platform_file(platform_handle handle) noexcept {
    CloseHandle(as_handle(handle));
}

text file_too_large_reason() {
    return system_reason(ERROR_FILE_TOO_LARGE);
}
text storage_unavailable_reason() {
    return system_reason(ERROR_NOT_ENOUGH_MEMORY);
}

}  // namespace batchvcf
