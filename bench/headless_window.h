#pragma once
// A main window without a screen: the handlers see a fixed separator and trim box, and the one
// file the dialog will answer with.

#include <string>

#include "app/window_operations.h"

namespace batchvcf::bench {

class headless_window final : public window_operations {
  public:
    std::string chosen_path;  // code page 936
    std::string separator = " ";
    int box_ticked = 0;
    std::string last_message;

    void append_to_box(std::string_view) override {}
    text content() override { return text(separator); }
    int ticked() override { return box_ticked; }
    void set_filter(std::string_view) override {}
    bool show_open_dialog() override { return true; }
    text file_path() override { return text(chosen_path); }
    void show_message(std::string_view message) override { last_message = message; }
};

}  // namespace batchvcf::bench
