#pragma once
// A main window for handler tests: it records every call and answers from a script.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/window_operations.h"

namespace batchvcf::testing {

class recording_window : public window_operations {
  public:
    // Script: what the separator box holds, whether the trim box is ticked, and the answers of
    // the coming dialogs (a path confirms, nullopt cancels).
    std::string separator = " ";
    int box_ticked = 1;
    std::deque<std::optional<std::string>> dialog_answers;

    // Record.
    std::string log;                    // everything appended to the log box, in order
    std::vector<std::string> appended;  // each append on its own
    std::vector<std::string> messages;  // each show_message
    std::vector<std::string> filters_at_dialog;
    std::vector<std::string> paths_at_dialog;  // the file name box's start value
    std::string filter;
    std::string path;

    void append_to_box(std::string_view addition) override;
    text content() override;
    int ticked() override;
    void set_filter(std::string_view new_filter) override;
    bool show_open_dialog() override;
    text file_path() override;
    void show_message(std::string_view message) override;
};

// Binds a fresh recording window and a fresh program state for one test; unbinds at the end.
class window_fixture {
  public:
    window_fixture();
    ~window_fixture();
    window_fixture(const window_fixture&) = delete;
    window_fixture& operator=(const window_fixture&) = delete;

    recording_window window;
};

}  // namespace batchvcf::testing
