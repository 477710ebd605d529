#pragma once
// Points the desktop at a scratch folder for one test, so no test ever writes to the real one.
// On Linux through HOME (desktop_folder reads it at every call), on Windows through the seam.

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "app/desktop_folder.h"
#include "support/test_files.h"
#include "text/code_page.h"

namespace batchvcf::testing {

class scratch_desktop {
  public:
    scratch_desktop() {
        std::filesystem::create_directories(desktop());
#ifdef _WIN32
        override_desktop_folder(gbk_path(desktop()));
#else
        remember("HOME", saved_home_);
        remember("XDG_CONFIG_HOME", saved_config_home_);
        ::setenv("HOME", home_.path().c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
#endif
    }
    ~scratch_desktop() {
#ifdef _WIN32
        override_desktop_folder("");
#else
        restore("HOME", saved_home_);
        restore("XDG_CONFIG_HOME", saved_config_home_);
#endif
    }
    scratch_desktop(const scratch_desktop&) = delete;
    scratch_desktop& operator=(const scratch_desktop&) = delete;

    std::filesystem::path desktop() const {
        return home_ / "Desktop";
    }
    std::filesystem::path card_file() const {
        return desktop() / std::filesystem::u8path("批量VCF.vcf");
    }

  private:
    scratch_folder home_;
    std::optional<std::string> saved_home_;
    std::optional<std::string> saved_config_home_;

#ifndef _WIN32
    static void remember(const char* name, std::optional<std::string>& saved) {
        if (const char* value = std::getenv(name)) saved = value;
    }
    static void restore(const char* name, const std::optional<std::string>& saved) {
        if (saved)
            ::setenv(name, saved->c_str(), 1);
        else
            ::unsetenv(name);
    }
#endif
};

}  // namespace batchvcf::testing
