#pragma once
// The desktop of the user running the program: where the card file goes and where the open
// dialog starts. Asked of the system at every call, so a changed setting counts at once.

#include <string_view>

#include "text/text.h"

namespace batchvcf {

// The separator between a folder and a name in this platform's paths.
#ifdef _WIN32
inline constexpr std::string_view path_separator = "\\";
#else
inline constexpr std::string_view path_separator = "/";
#endif

// The folder as code page 936, without a trailing separator. On Windows the user's Desktop
// known folder. On Linux the desktop of the XDG user-dirs configuration (XDG_CONFIG_HOME, else
// ~/.config, file user-dirs.dirs), else ~/Desktop where it exists, else the home folder.
text desktop_folder();

// Test seam: from now on desktop_folder() gives `folder_gbk` without asking the system; the
// empty text ends the override. Tests on Windows use it, having no HOME to point elsewhere.
void override_desktop_folder(std::string_view folder_gbk);

// The system's answer, without the override; each twin implements it.
text system_desktop_folder();

}  // namespace batchvcf
