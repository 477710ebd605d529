#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "txt2vcf/file_stream.h"

namespace batchvcf::txt2vcf {

std::vector<std::string> utf8_arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void use_binary_mode(std::FILE*) noexcept {}

opened_file open_for_reading(const std::string& path_utf8) {
    opened_file result;
    result.file.reset(std::fopen(path_utf8.c_str(), "rb"));
    if (!result.file) result.reason = last_error_text();
    return result;
}

bool can_rewind(std::FILE* file) noexcept {
    struct stat status {};
    return fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode);
}

opened_file open_spill_file() {
    opened_file result;
    result.file.reset(std::tmpfile());
    if (!result.file) result.reason = last_error_text();
    return result;
}

opened_file create_file_beside(const std::string& target_utf8, std::string& temporary_path_utf8) {
    opened_file result;
    std::string pattern = target_utf8 + ".tmp-XXXXXX";
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) {
        result.reason = last_error_text();
        return result;
    }
    // mkstemp makes the file private; give the replacement the mode the old file had, or that of
    // any newly created file.
    struct stat existing {};
    if (stat(target_utf8.c_str(), &existing) == 0) {
        fchmod(descriptor, existing.st_mode & 07777);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(descriptor, 0666 & ~mask);
    }
    result.file.reset(fdopen(descriptor, "wb"));
    if (!result.file) {
        result.reason = last_error_text();
        close(descriptor);
        unlink(pattern.c_str());
        return result;
    }
    temporary_path_utf8 = pattern;
    return result;
}

std::string final_target(const std::string& path_utf8) {
    char* resolved = realpath(path_utf8.c_str(), nullptr);
    if (resolved == nullptr) return path_utf8;  // not there yet: created as named
    std::string target(resolved);
    std::free(resolved);
    return target;
}

bool is_special_file(const std::string& path_utf8) {
    struct stat status {};
    return stat(path_utf8.c_str(), &status) == 0 && !S_ISREG(status.st_mode);
}

opened_file open_for_writing(const std::string& path_utf8) {
    opened_file result;
    result.file.reset(std::fopen(path_utf8.c_str(), "wb"));
    if (!result.file) result.reason = last_error_text();
    return result;
}

std::string replace_file(const std::string& from_utf8, const std::string& to_utf8) {
    if (std::rename(from_utf8.c_str(), to_utf8.c_str()) != 0) return last_error_text();
    return {};
}

void remove_file(const std::string& path_utf8) noexcept {
    unlink(path_utf8.c_str());
}

void start_writeback(std::FILE* file) noexcept {
#ifdef SYNC_FILE_RANGE_WRITE
    // Only what stdio has passed on can go; a failure shows again in flush_to_disk.
    ::sync_file_range(fileno(file), 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    (void)file;
#endif
}

std::string flush_to_disk(std::FILE* file) {
    if (std::fflush(file) != 0 || ::fsync(fileno(file)) != 0) return last_error_text();
    return {};
}

namespace {

// Read by a signal handler: a fixed buffer, no allocation there.
char pending_temporary[4096];
volatile std::sig_atomic_t temporary_pending = 0;

void remove_pending_temporary() noexcept {
    if (temporary_pending != 0) ::unlink(pending_temporary);
    temporary_pending = 0;
}

extern "C" void remove_pending_then_end(int signal_number) {
    remove_pending_temporary();
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
}

}  // namespace

void remove_if_interrupted(const std::string& path_utf8) {
    static const bool installed = [] {
        for (const int signal_number : {SIGINT, SIGTERM, SIGHUP})
            std::signal(signal_number, remove_pending_then_end);
        std::atexit(remove_pending_temporary);
        return true;
    }();
    (void)installed;
    temporary_pending = 0;
    if (path_utf8.empty() || path_utf8.size() >= sizeof pending_temporary) return;
    std::memcpy(pending_temporary, path_utf8.c_str(), path_utf8.size() + 1);
    temporary_pending = 1;
}

}  // namespace batchvcf::txt2vcf
