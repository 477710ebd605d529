#include "txt2vcf/file_stream.h"

#include <cerrno>
#include <cstring>

namespace batchvcf::txt2vcf {

std::string last_error_text() {
    return std::strerror(errno);
}

std::size_t file_source::read(char* buffer, std::size_t capacity) {
    if (failed_) return 0;
    errno = 0;
    const std::size_t count = std::fread(buffer, 1, capacity, file_);
    if (count == 0 && std::ferror(file_)) {
        failed_ = true;
        reason_ = errno != 0 ? last_error_text() : "read error";
    }
    return count;
}

bool file_source::rewind() {
    if (failed_ || !can_rewind(file_)) return false;
    // Standard input may be a file that someone has already read from: go back to where this
    // program found it, not to the file's first byte.
    if (start_ < 0) start_ = std::ftell(file_);
    if (start_ < 0 || std::fseek(file_, start_, SEEK_SET) != 0) {
        failed_ = true;
        reason_ = last_error_text();
        return false;
    }
    return true;
}

bool file_sink::write(std::string_view bytes) {
    if (bytes.empty()) return true;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size()) {
        if (hand_to_disk_) start_writeback(file_);
        return true;
    }
    if (errno != 0) reason_ = last_error_text();
    return false;
}

bool file_sink::flush() {
    errno = 0;
    if (std::fflush(file_) == 0 && !std::ferror(file_)) return true;
    if (errno != 0) reason_ = last_error_text();
    return false;
}

}  // namespace batchvcf::txt2vcf
