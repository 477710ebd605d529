#pragma once
// What start-up and shutdown need from the windowing platform. A front end implements it; the
// portable shell (program_main, the end procedure, the fatal report) drives it.

#include <string_view>

namespace batchvcf {

struct window_description;

class shell_platform {
  public:
    virtual ~shell_platform() = default;

    // Platform start (OLE, the current directory) and reading the main window's description;
    // false when the description can't be read.
    virtual bool initialise() = 0;
    // Creates the main window hidden, centred, with every control and its first text; false when
    // the window or a control can't be created. Runs with the event gate raised.
    virtual bool build_main_window(const window_description& description) = 0;
    virtual void show_main_window() = 0;
    // Dispatches window messages and control events until the quit request.
    virtual void run_message_loop() = 0;
    // Error box captioned "错误" with the error icon and one OK button; waits for the user.
    virtual void show_error_box(std::string_view message) = 0;
    // The platform's share of the end procedure: the main window destroyed, OLE released.
    virtual void finish() = 0;
    [[noreturn]] virtual void exit_process(int exit_code) = 0;
};

// The platform in use. Until a front end installs one, a console stand-in reports fatal errors
// on standard error and exits, so the core behaves the same in tools and tests.
shell_platform& current_platform() noexcept;
void install_platform(shell_platform* platform) noexcept;

}  // namespace batchvcf
