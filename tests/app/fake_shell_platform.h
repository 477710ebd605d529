#pragma once
// A shell platform for tests: it records each step the shell asks of it in one shared list, and
// ends the "process" by throwing, so a test sees what happened up to the exit and its code.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/event_gate.h"
#include "app/exit_routines.h"
#include "app/program_state.h"
#include "app/shell_platform.h"

namespace batchvcf::testing {

struct process_ended {
    int exit_code;
};

// Every step of the run in order: the platform's own and whatever a test adds.
inline std::vector<std::string>& steps() {
    static std::vector<std::string> list;
    return list;
}

class fake_shell_platform final : public shell_platform {
  public:
    bool description_readable = true;
    bool window_builds = true;
    // Run inside the step of the same name, to look at the shell's state at that moment.
    std::function<void()> while_building, while_looping;
    std::vector<std::string> error_boxes;

    bool initialise() override {
        steps().push_back("initialise");
        return description_readable;
    }
    bool build_main_window(const window_description&) override {
        steps().push_back("build window");
        if (while_building) while_building();
        return window_builds;
    }
    void show_main_window() override { steps().push_back("show window"); }
    void run_message_loop() override {
        steps().push_back("message loop");
        if (while_looping) while_looping();
    }
    void show_error_box(std::string_view message) override {
        steps().push_back("error box");
        error_boxes.emplace_back(message);
    }
    void finish() override { steps().push_back("finish"); }
    [[noreturn]] void exit_process(int exit_code) override {
        steps().push_back("exit " + std::to_string(exit_code));
        throw process_ended{exit_code};
    }
};

// Installs a fresh fake platform and leaves the shell as a new process would find it.
class shell_test : public ::testing::Test {
  protected:
    shell_test() {
        reset_shell();
        install_platform(&platform);
    }
    ~shell_test() override {
        install_platform(nullptr);
        reset_shell();
    }

    static void reset_shell() {
        steps().clear();
        drop_exit_routines();
        while (event_gate_raised()) lower_event_gate();
        release_program_state();
    }

    fake_shell_platform platform;
};

}  // namespace batchvcf::testing
