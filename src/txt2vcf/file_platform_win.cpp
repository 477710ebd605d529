#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "text/code_page.h"
#include "txt2vcf/file_stream.h"

namespace batchvcf::txt2vcf {
namespace {

std::wstring wide(const std::string& utf8) {
    const std::u16string units = utf16_from_utf8(utf8);
    return std::wstring(units.begin(), units.end());
}

std::string narrow(const wchar_t* value) {
    const std::wstring_view view(value);
    return utf8_from_utf16(std::u16string(view.begin(), view.end()));
}

std::string system_error_text(DWORD code) {
    wchar_t* message = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::string text = length != 0 ? narrow(message) : "error " + std::to_string(code);
    if (message != nullptr) LocalFree(message);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.')) {
        text.pop_back();
    }
    return text;
}

// A C file over a Windows handle; the handle belongs to the file from then on.
opened_file adopt_handle(HANDLE handle, const char* mode) {
    opened_file result;
    const int descriptor =
        _open_osfhandle(reinterpret_cast<intptr_t>(handle), mode[0] == 'r' ? _O_RDONLY : 0);
    if (descriptor < 0) {
        CloseHandle(handle);
        result.reason = "cannot open a descriptor";
        return result;
    }
    result.file.reset(_fdopen(descriptor, mode));
    if (!result.file) {
        _close(descriptor);
        result.reason = last_error_text();
    }
    return result;
}

}  // namespace

std::vector<std::string> utf8_arguments(int, char**) {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide_arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide_arguments == nullptr) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(narrow(wide_arguments[i]));
    LocalFree(wide_arguments);
    return arguments;
}

void use_binary_mode(std::FILE* file) noexcept {
    _setmode(_fileno(file), _O_BINARY);
}

opened_file open_for_reading(const std::string& path_utf8) {
    opened_file result;
    result.file.reset(_wfopen(wide(path_utf8).c_str(), L"rb"));
    if (!result.file) result.reason = last_error_text();
    return result;
}

bool can_rewind(std::FILE* file) noexcept {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return handle != INVALID_HANDLE_VALUE && GetFileType(handle) == FILE_TYPE_DISK;
}

opened_file open_spill_file() {
    // The C library's tmpfile() writes to the root of the drive, which ordinary users may not.
    wchar_t folder[MAX_PATH + 1];
    wchar_t path[MAX_PATH + 1];
    if (GetTempPathW(MAX_PATH + 1, folder) == 0 || GetTempFileNameW(folder, L"t2v", 0, path) == 0) {
        opened_file result;
        result.reason = system_error_text(GetLastError());
        return result;
    }
    const HANDLE handle =
        CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        opened_file result;
        result.reason = system_error_text(GetLastError());
        DeleteFileW(path);
        return result;
    }
    return adopt_handle(handle, "w+b");
}

opened_file create_file_beside(const std::string& target_utf8, std::string& temporary_path_utf8) {
    opened_file result;
    DWORD error = ERROR_FILE_EXISTS;
    for (unsigned attempt = 0; attempt < 100 && error == ERROR_FILE_EXISTS; ++attempt) {
        const std::string candidate = target_utf8 + ".tmp-" +
                                      std::to_string(GetCurrentProcessId()) + "-" +
                                      std::to_string(GetTickCount() + attempt);
        const HANDLE handle = CreateFileW(wide(candidate).c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            result = adopt_handle(handle, "wb");
            if (result.file) {
                temporary_path_utf8 = candidate;
            } else {
                DeleteFileW(wide(candidate).c_str());
            }
            return result;
        }
        error = GetLastError();
    }
    result.reason = system_error_text(error);
    return result;
}

std::string final_target(const std::string& path_utf8) {
    return path_utf8;
}

bool is_special_file(const std::string& path_utf8) {
    const HANDLE handle = CreateFileW(wide(path_utf8).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    const DWORD type = GetFileType(handle);
    CloseHandle(handle);
    return type != FILE_TYPE_DISK;  // NUL, CON, a named pipe
}

opened_file open_for_writing(const std::string& path_utf8) {
    opened_file result;
    result.file.reset(_wfopen(wide(path_utf8).c_str(), L"wb"));
    if (!result.file) result.reason = last_error_text();
    return result;
}

std::string replace_file(const std::string& from_utf8, const std::string& to_utf8) {
    if (MoveFileExW(wide(from_utf8).c_str(), wide(to_utf8).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return {};
    }
    return system_error_text(GetLastError());
}

void remove_file(const std::string& path_utf8) noexcept {
    DeleteFileW(wide(path_utf8).c_str());
}

void start_writeback(std::FILE*) noexcept {}

std::string flush_to_disk(std::FILE* file) {
    if (std::fflush(file) != 0) return last_error_text();
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    if (!FlushFileBuffers(handle)) return system_error_text(GetLastError());
    return {};
}

namespace {

wchar_t pending_temporary[32768];
volatile LONG temporary_pending = 0;

void remove_pending_temporary() noexcept {
    if (InterlockedExchange(&temporary_pending, 0) != 0) DeleteFileW(pending_temporary);
}

BOOL WINAPI remove_pending_on_break(DWORD) {
    remove_pending_temporary();
    return FALSE;  // and let the default handler end the process
}

}  // namespace

void remove_if_interrupted(const std::string& path_utf8) {
    static const bool installed = [] {
        SetConsoleCtrlHandler(remove_pending_on_break, TRUE);
        std::atexit(remove_pending_temporary);
        return true;
    }();
    (void)installed;
    InterlockedExchange(&temporary_pending, 0);
    if (path_utf8.empty()) return;
    const std::wstring path = wide(path_utf8);
    if (path.size() >= sizeof pending_temporary / sizeof pending_temporary[0]) return;
    std::wmemcpy(pending_temporary, path.c_str(), path.size() + 1);
    InterlockedExchange(&temporary_pending, 1);
}

}  // namespace batchvcf::txt2vcf
