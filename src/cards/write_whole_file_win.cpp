#include <windows.h>

#include <string>

#include "cards/write_whole_file.h"
#include "import/system_reason.h"
#include "text/code_page.h"

namespace batchvcf {
namespace {

const wchar_t* wide(const std::u16string& path) {
    return reinterpret_cast<const wchar_t*>(path.c_str());
}

std::u16string decimal_units(unsigned long value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

bool write_all(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        // WriteFile counts in 32 bits.
        const DWORD ask =
            bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), ask, &written, nullptr)) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

write_outcome write_whole_file(std::string_view path_gbk, std::string_view bytes) {
    static unsigned long serial = 0;
    const std::u16string path = utf16_from_gbk(path_gbk);
    std::u16string temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = path + u"." + decimal_units(GetCurrentProcessId()) + u"-" +
                    decimal_units(serial++) + u".tmp";
        // Share mode 0: nobody else may open the file while we write it. CREATE_NEW: never
        // write into a file that somebody else made.
        file = CreateFileW(wide(temporary), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (file == INVALID_HANDLE_VALUE)
        return {false, system_reason(static_cast<int>(GetLastError()))};

    // Flushed before the rename: otherwise a crash soon after could leave an empty card file
    // where the old one was.
    bool done = write_all(file, bytes) && FlushFileBuffers(file);
    DWORD error = done ? 0 : GetLastError();
    if (!CloseHandle(file) && done) {
        done = false;
        error = GetLastError();
    }
    if (done && !MoveFileExW(wide(temporary), wide(path),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        done = false;
        error = GetLastError();
    }
    if (!done) {
        DeleteFileW(wide(temporary));
        return {false, system_reason(static_cast<int>(error))};
    }
    return {true, {}};
}

}  // namespace batchvcf
