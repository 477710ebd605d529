#include "app/shell_platform.h"

#include <cstdlib>

#include "app/error_stream.h"

namespace batchvcf {
namespace {

// Stands in until a front end installs its platform: txt2vcf and the tests report a fatal error
// on standard error and exit with the same code as the window program.
class console_platform final : public shell_platform {
  public:
    bool initialise() override { return true; }
    bool build_main_window(const window_description&) override { return false; }
    void show_main_window() override {}
    void run_message_loop() override {}
    void show_error_box(std::string_view message) override { write_to_error_stream(message); }
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
