#pragma once
// Byte streams over C files, and the few file operations whose form differs between POSIX and
// Windows (file_platform_posix.cpp, file_platform_win.cpp). Paths are UTF-8 everywhere.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "txt2vcf/byte_stream.h"

namespace batchvcf::txt2vcf {

struct file_closer {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using file_handle = std::unique_ptr<std::FILE, file_closer>;

// A file handle, or the reason there is none.
struct opened_file {
    file_handle file;
    std::string reason;
};

// The arguments after the program's name, as UTF-8 (on Windows, from the wide command line, so
// a Chinese separator or path survives whatever the console's code page is).
std::vector<std::string> utf8_arguments(int argc, char** argv);

// Standard input and output pass bytes unchanged (Windows would otherwise turn LF into CR LF
// and stop reading at Ctrl-Z).
void use_binary_mode(std::FILE* file) noexcept;

opened_file open_for_reading(const std::string& path_utf8);
// Regular files can be read twice; pipes and terminals can't.
bool can_rewind(std::FILE* file) noexcept;
// An anonymous read-write file that disappears when closed: room for a pipe's bytes that must be
// read twice without holding them in memory.
opened_file open_spill_file();
// A new, empty file in the folder of `target_utf8` with a name of its own, which
// `temporary_path_utf8` receives. The file goes where the target will be, so that the final
// rename never crosses a file system.
opened_file create_file_beside(const std::string& target_utf8, std::string& temporary_path_utf8);
// The file that writing to `path_utf8` reaches: a symbolic link followed to its target, so that
// the replacement goes there and the link stays a link.
std::string final_target(const std::string& path_utf8);
// True when `path_utf8` exists and is no regular file (a device such as /dev/null, a FIFO):
// such a target is written in place, never replaced by a regular file.
bool is_special_file(const std::string& path_utf8);
opened_file open_for_writing(const std::string& path_utf8);
// Puts `from_utf8` in the place of `to_utf8` in one step, replacing what was there. An empty
// string on success, else the reason.
std::string replace_file(const std::string& from_utf8, const std::string& to_utf8);
void remove_file(const std::string& path_utf8) noexcept;

// Starts writing what the file holds so far to the disk, without waiting: the wait of
// flush_to_disk at the end then covers only the last bytes.
void start_writeback(std::FILE* file) noexcept;
// Waits until every byte written to `file` is on the disk; an empty string, else the reason.
// Done before a replacement takes the old file's place, so that a crash soon after can't leave
// an empty file where the old one was.
std::string flush_to_disk(std::FILE* file);

// While a temporary file is being written, an interrupt (Ctrl+C, a termination request) or an
// exit through the fatal report removes it before the program ends. One file at a time; an
// empty path forgets it.
void remove_if_interrupted(const std::string& path_utf8);

// The C library's text for the error in errno.
std::string last_error_text();

class file_source final : public byte_source {
  public:
    explicit file_source(std::FILE* file) noexcept : file_(file) {}
    std::size_t read(char* buffer, std::size_t capacity) override;
    bool failed() const override { return failed_; }
    bool rewind() override;
    std::string failure_reason() const override { return reason_; }

  private:
    std::FILE* file_;
    long start_ = -1;
    bool failed_ = false;
    std::string reason_;
};

class file_sink final : public byte_sink {
  public:
    // `hand_to_disk` starts the writeback of every piece as soon as it is written.
    explicit file_sink(std::FILE* file, bool hand_to_disk = false) noexcept
        : file_(file), hand_to_disk_(hand_to_disk) {}
    bool write(std::string_view bytes) override;
    bool flush() override;
    std::string failure_reason() const override { return reason_; }

  private:
    std::FILE* file_;
    bool hand_to_disk_ = false;
    std::string reason_ = "write error";
};

}  // namespace batchvcf::txt2vcf
