#include <windows.h>

#include <cstdio>
#include <string>

#include "app/error_stream.h"
#include "text/code_page.h"

namespace batchvcf {

void write_to_error_stream(std::string_view message_gbk) {
    std::fflush(stderr);
    const HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (console != INVALID_HANDLE_VALUE && GetConsoleMode(console, &mode)) {
        // A console shows UTF-16 as it is, whatever its code page; UTF-8 bytes it would garble.
        const std::u16string units = utf16_from_gbk(message_gbk) + u"\r\n";
        DWORD written = 0;
        WriteConsoleW(console, units.data(), static_cast<DWORD>(units.size()), &written, nullptr);
        return;
    }
    const std::string readable = utf8_from_gbk(message_gbk);
    std::fwrite(readable.data(), 1, readable.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace batchvcf
