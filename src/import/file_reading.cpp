#include "import/file_reading.h"

#include <cstring>
#include <memory>

#include "import/open_files.h"
#include "import/platform_files.h"
#include "text/storage.h"

namespace batchvcf {
namespace {

// The largest file whose length a text's signed 32-bit count can hold.
constexpr std::uint64_t largest_readable_file = 0x7FFFFFFF;

}  // namespace

opened_file open_for_reading(std::string_view path_gbk) {
    if (path_gbk.empty()) return {};
    platform_open_result opened = open_shared_for_reading(path_gbk);
    if (!opened.opened) return {0, std::move(opened.reason)};
    return {keep_open_file(opened.handle), {}};
}

file_contents read_file_text(std::int32_t file_number) {
    const std::optional<platform_handle> handle = open_file_handle(file_number);
    if (!handle) return {};
    platform_size_result size = platform_file_size(*handle);
    if (!size.known) return {false, {}, std::move(size.reason)};
    if (size.size > largest_readable_file) return {false, {}, file_too_large_reason()};
    if (size.size == 0) return {true, {}, {}};

    // The one allocation that may fail without ending the program: a file too big for the
    // storage at hand is a file that can't be read, not a fatal error.
    const auto capacity = static_cast<std::size_t>(size.size);
    const std::unique_ptr<char, decltype(&give_back_storage)> buffer(
        static_cast<char*>(try_acquire_storage(capacity)), &give_back_storage);
    if (!buffer) return {false, {}, storage_unavailable_reason()};
    platform_read_result got = read_platform_file(*handle, buffer.get(), capacity);
    if (!got.read) return {false, {}, std::move(got.reason)};

    const std::string_view bytes(buffer.get(), got.count);
    return {true, text(bytes.substr(0, end_of_text(bytes))), {}};
}

std::size_t end_of_text(std::string_view bytes) noexcept {
    // Most files hold neither byte; then nothing ends the text early and no pairing matters.
    if (std::memchr(bytes.data(), 0x00, bytes.size()) == nullptr &&
        std::memchr(bytes.data(), 0x1A, bytes.size()) == nullptr)
        return bytes.size();
    std::size_t scan = 0;
    while (scan < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[scan]);
        if (byte == 0x00 || byte == 0x1A) return scan;
        if (is_lead_byte(byte)) {
            if (scan + 1 == bytes.size()) return bytes.size();  // a lone last lead byte stays
            if (bytes[scan + 1] == '\0') return scan;
            scan += 2;
        } else {
            scan += 1;
        }
    }
    return bytes.size();
}

}  // namespace batchvcf
