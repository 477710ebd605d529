#include "app/shell_platform.h"

#include <cstdio>
#include <cstdlib>

#include "text/code_page.h"

namespace batchvcf {
namespace {

// Stands in until a front end installs its platform: txt2vcf and the tests report a fatal error
// on standard error (UTF-8) and exit with the same code as the window program.
class console_platform final : public shell_platform {
  public:
    bool initialise() override { return true; }
    bool build_main_window(const window_description&) override { return false; }
    void show_main_window() override {}
    void run_message_loop() override {}
    void show_error_box(std::string_view message) override {
        const std::string readable = utf8_from_gbk(message);
        std::fwrite(readable.data(), 1, readable.size(), stderr);
        std::fputc('\n', stderr);
        std::fflush(stderr);
    }
    void finish() override {}
    [[noreturn]] void exit_process(int exit_code) override { std::exit(exit_code); }
};

console_platform console;
shell_platform* installed = nullptr;

}  // namespace

shell_platform& current_platform() noexcept {
    return installed != nullptr ? *installed : console;
}

void install_platform(shell_platform* platform) noexcept {
    installed = platform;
}

}  // namespace batchvcf
