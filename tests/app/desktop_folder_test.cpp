#include "app/desktop_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "support/test_files.h"
#include "text/code_page.h"

namespace batchvcf {
namespace {

using testing::scratch_folder;
using testing::write_bytes;

#ifdef _WIN32

TEST(desktop_folder_test, is_the_users_desktop_unless_overridden) {
    const text system_folder = desktop_folder();
    EXPECT_FALSE(system_folder.empty());
    EXPECT_NE(system_folder.back(), '\\');

    override_desktop_folder("D:\\\xD7\xC0\xC3\xE6");  // D:\桌面
    EXPECT_EQ(desktop_folder(), "D:\\\xD7\xC0\xC3\xE6");
    override_desktop_folder("");
    EXPECT_EQ(desktop_folder(), system_folder);
}

#else

// Sets an environment variable for one scope, or removes it, and puts the old value back.
class scoped_environment {
  public:
    scoped_environment(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) saved_ = old;
        set(value);
    }
    ~scoped_environment() { set(saved_); }
    scoped_environment(const scoped_environment&) = delete;
    scoped_environment& operator=(const scoped_environment&) = delete;

  private:
    void set(const std::optional<std::string>& value) {
        if (value)
            ::setenv(name_, value->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    const char* name_;
    std::optional<std::string> saved_;
};

TEST(desktop_folder_test, follows_the_user_dirs_then_desktop_then_home) {
    struct row {
        const char* label;
        bool make_desktop;
        std::string user_dirs;  // written to $HOME/.config/user-dirs.dirs when not empty
        std::string expected_under_home;
        std::string expected_absolute;  // when the answer lies outside HOME
    };
    const row rows[] = {
        {"nothing: the home folder", false, "", "", ""},
        {"~/Desktop where it exists", true, "", "/Desktop", ""},
        {"the configured desktop, existing or not", true,
         "# written by xdg-user-dirs-update\nXDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
         "XDG_DESKTOP_DIR=\"$HOME/\xE6\xA1\x8C\xE9\x9D\xA2\"\n",
         "/\xD7\xC0\xC3\xE6", ""},  // 桌面, UTF-8 on disk, code page 936 in the program
        {"an absolute configured desktop", false, "XDG_DESKTOP_DIR=\"/srv/desk/\"\n", "",
         "/srv/desk"},
        {"a relative value is no desktop", true, "XDG_DESKTOP_DIR=\"desk\"\n", "/Desktop", ""},
        {"the desktop set to home itself", true, "XDG_DESKTOP_DIR=\"$HOME/\"\n", "", ""},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        scratch_folder home;
        scoped_environment home_variable("HOME", home.path().string());
        scoped_environment config_variable("XDG_CONFIG_HOME", std::nullopt);
        if (r.make_desktop) std::filesystem::create_directory(home / "Desktop");
        if (!r.user_dirs.empty()) {
            std::filesystem::create_directory(home / ".config");
            write_bytes(home.path() / ".config" / "user-dirs.dirs", r.user_dirs);
        }
        const std::string expected = r.expected_absolute.empty()
                                         ? home.path().string() + r.expected_under_home
                                         : r.expected_absolute;
        EXPECT_EQ(std::string(desktop_folder()), expected);
    }
}

TEST(desktop_folder_test, reads_the_configuration_home_at_every_call) {
    scratch_folder home;
    scratch_folder config;
    scoped_environment home_variable("HOME", home.path().string());
    EXPECT_EQ(std::string(desktop_folder()), home.path().string());

    write_bytes(config / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/elsewhere\"\n");
    scoped_environment config_variable("XDG_CONFIG_HOME", config.path().string());
    EXPECT_EQ(std::string(desktop_folder()), home.path().string() + "/elsewhere");
}

#endif

}  // namespace
}  // namespace batchvcf
