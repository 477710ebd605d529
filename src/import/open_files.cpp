#include "import/open_files.h"

#include <map>

namespace batchvcf {
namespace {

struct open_file_table {
    std::map<std::int32_t, platform_handle> handles;
    std::int32_t last_number = 0;
};

open_file_table& table() noexcept {
    static open_file_table the_table;
    return the_table;
}

}  // namespace

std::int32_t keep_open_file(platform_handle handle) {
    open_file_table& files = table();
    // Wrapping past the largest number starts again at 1, skipping numbers still in use.
    do {
        files.last_number = files.last_number == INT32_MAX ? 1 : files.last_number + 1;
    } while (files.handles.count(files.last_number) != 0);
    files.handles.emplace(files.last_number, handle);
    return files.last_number;
}

std::optional<platform_handle> open_file_handle(std::int32_t file_number) noexcept {
    const auto& handles = table().handles;
    const auto found = handles.find(file_number);
    if (found == handles.end()) return std::nullopt;
    return found->second;
}

void close_open_file(std::int32_t file_number) noexcept {
    auto& handles = table().handles;
    const auto found = handles.find(file_number);
    if (found == handles.end()) return;
    close_platform_file(found->second);
    handles.erase(found);
}

int open_file_count() noexcept {
    return static_cast<int>(table().handles.size());
}

void close_every_open_file() noexcept {
    auto& handles = table().handles;
    for (const auto& [number, handle] : handles) close_platform_file(handle);
    handles.clear();
}

}  // namespace batchvcf
