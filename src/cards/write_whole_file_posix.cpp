#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "cards/write_whole_file.h"
#include "import/system_reason.h"
#include "text/code_page.h"

namespace batchvcf {
namespace {

// A name beside the card file that no other writer uses: hidden, with this process's id and a
// serial number.
std::string temporary_name(const std::string& path) {
    static unsigned serial = 0;
    const std::size_t slash = path.rfind('/');
    const std::size_t name_start = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, name_start) + "." + path.substr(name_start) + "." +
           std::to_string(::getpid()) + "-" + std::to_string(serial++) + ".tmp";
}

std::string folder_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A card file that is a link is written where the link points, and the link stays.
std::string resolved(const std::string& path) {
    char* target = ::realpath(path.c_str(), nullptr);
    if (target == nullptr) return path;  // not there yet: written under its own name
    std::string result(target);
    std::free(target);
    return result;
}

bool write_all(int descriptor, std::string_view bytes) {
    // In pieces, each handed to the disk as soon as it is written, so that the disk works while
    // the next piece is copied and the fsync before the rename finds little left to wait for.
    constexpr std::size_t piece_size = std::size_t{16} << 20;
    off_t offset = 0;
    while (!bytes.empty()) {
        const ssize_t written =
            ::write(descriptor, bytes.data(), std::min(bytes.size(), piece_size));
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
#ifdef SYNC_FILE_RANGE_WRITE
        // Only a start of writeback; its failure shows again in the fsync that follows.
        ::sync_file_range(descriptor, offset, written, SYNC_FILE_RANGE_WRITE);
#endif
        offset += written;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file being written. Where the system can, it has no name until it is complete, so no
// other program can open it meanwhile; elsewhere it is created under a new name with O_EXCL, so
// we never write into a file somebody else made.
struct temporary_file {
    int descriptor = -1;
    std::string name;  // empty while the file has none
};

temporary_file create_temporary(const std::string& path) {
#ifdef O_TMPFILE
    const int unnamed = ::open(folder_of(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (unnamed >= 0) return {unnamed, {}};
    // Only a file system without unnamed files falls back; a missing folder is a failure.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return {};
#endif
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = temporary_name(path);
        const int named = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (named >= 0) return {named, std::move(name)};
        if (errno != EEXIST && errno != EINTR) break;
    }
    return {};
}

// Links a complete unnamed file into its folder under a new name.
bool name_temporary(temporary_file& file, const std::string& path) {
    if (!file.name.empty()) return true;
    const std::string self = "/proc/self/fd/" + std::to_string(file.descriptor);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = temporary_name(path);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            file.name = std::move(name);
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

}  // namespace

write_outcome write_whole_file(std::string_view path_gbk, std::string_view bytes) {
    const std::string path = resolved(utf8_from_gbk(path_gbk));
    temporary_file file = create_temporary(path);
    if (file.descriptor < 0) return {false, system_reason(errno)};

    // fsync before the rename: otherwise a crash soon after could leave an empty card file where
    // the old one was.
    bool done = write_all(file.descriptor, bytes) && ::fsync(file.descriptor) == 0 &&
                name_temporary(file, path);
    int error = done ? 0 : errno;
    if (::close(file.descriptor) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && ::rename(file.name.c_str(), path.c_str()) != 0) {
        done = false;
        error = errno;
    }
    if (!done) {
        if (!file.name.empty()) ::unlink(file.name.c_str());
        return {false, system_reason(error)};
    }
    return {true, {}};
}

}  // namespace batchvcf
