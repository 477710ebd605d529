#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "app/desktop_folder.h"
#include "text/code_page.h"

namespace batchvcf {
namespace {

std::string without_trailing_slashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string home_folder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return without_trailing_slashes(home);
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return without_trailing_slashes(entry->pw_dir);
    return "/";
}

// The value of XDG_DESKTOP_DIR in user-dirs.dirs: a shell assignment of a double-quoted path that
// is either absolute or starts with $HOME. Anything else there is not a usable desktop.
std::optional<std::string> configured_desktop(const std::string& home) {
    const char* config_home = std::getenv("XDG_CONFIG_HOME");
    const std::string config = config_home != nullptr && config_home[0] == '/'
                                   ? std::string(config_home)
                                   : home + "/.config";
    std::ifstream dirs(config + "/user-dirs.dirs");
    std::optional<std::string> desktop;
    for (std::string line; std::getline(dirs, line);) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, 17, "XDG_DESKTOP_DIR=\"") != 0)
            continue;
        std::string value;
        bool closed = false;
        for (std::size_t i = start + 17; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) {
                value.push_back(line[++i]);
            } else if (line[i] == '"') {
                closed = true;
                break;
            } else {
                value.push_back(line[i]);
            }
        }
        if (!closed) continue;
        if (value.compare(0, 5, "$HOME") == 0 && (value.size() == 5 || value[5] == '/'))
            desktop = without_trailing_slashes(home + value.substr(5));
        else if (!value.empty() && value[0] == '/')
            desktop = without_trailing_slashes(value);
        // The last assignment wins, as when the shell sources the file.
    }
    return desktop;
}

}  // namespace

text system_desktop_folder() {
    const std::string home = home_folder();
    std::string folder;
    if (std::optional<std::string> configured = configured_desktop(home)) {
        folder = *configured;
    } else {
        std::error_code ignored;
        const std::string desktop = home == "/" ? "/Desktop" : home + "/Desktop";
        folder = std::filesystem::is_directory(desktop, ignored) ? desktop : home;
    }
    return gbk_from_utf8(folder);
}

}  // namespace batchvcf
