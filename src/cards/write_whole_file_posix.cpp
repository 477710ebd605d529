#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "cards/write_whole_file.h"
#include "import/system_reason.h"
#include "text/code_page.h"

namespace batchvcf {
namespace {

// A name beside the card file that no other writer uses: hidden, with this process's id and a
// serial number. O_EXCL makes sure we never write into a file somebody else made.
std::string temporary_name(const std::string& path, unsigned serial) {
    const std::size_t slash = path.rfind('/');
    const std::size_t name_start = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, name_start) + "." + path.substr(name_start) + "." +
           std::to_string(::getpid()) + "-" + std::to_string(serial) + ".tmp";
}

bool write_all(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

write_outcome write_whole_file(std::string_view path_gbk, std::string_view bytes) {
    static unsigned serial = 0;
    const std::string path = utf8_from_gbk(path_gbk);
    std::string temporary;
    int descriptor = -1;
    for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
        temporary = temporary_name(path, serial++);
        descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST && errno != EINTR) break;
    }
    if (descriptor < 0) return {false, system_reason(errno)};

    // fsync before the rename: otherwise a crash soon after could leave an empty card file where
    // the old one was.
    bool done = write_all(descriptor, bytes) && ::fsync(descriptor) == 0;
    int error = done ? 0 : errno;
    if (::close(descriptor) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && ::rename(temporary.c_str(), path.c_str()) != 0) {
        done = false;
        error = errno;
    }
    if (!done) {
        ::unlink(temporary.c_str());
        return {false, system_reason(error)};
    }
    return {true, {}};
}

}  // namespace batchvcf
