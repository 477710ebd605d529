#pragma once
// What the handlers may do with the main window. Every text is code page 936 both ways; a front
// end converts at its own edge. Tests put a recording double in place of the real window.

#include "text/text.h"

namespace batchvcf {

class window_operations {
  public:
    virtual ~window_operations() = default;

    // Adds `addition` after the log box's present content, scrolled into view, caret at the end.
    virtual void append_to_box(std::string_view addition) = 0;
    // The separator box's present text, byte for byte.
    virtual text content() = 0;
    // 1 when the trim box is ticked, 0 when not.
    virtual int ticked() = 0;
    // Kept for the next show_open_dialog ("description|pattern|" pairs).
    virtual void set_filter(std::string_view filter) = 0;
    // Modal open-file dialog; true when the user confirmed a file, whose path file_path then
    // gives. False (cancelled, closed, failed) leaves file_path as it was.
    virtual bool show_open_dialog() = 0;
    // The path confirmed last; empty before the first confirmed choice.
    virtual text file_path() = 0;
    // Message box captioned "信息：", one OK button, modal to the whole program.
    virtual void show_message(std::string_view message) = 0;
};

// The window the handlers talk to; set by the front end (or a test) before any event runs.
window_operations& main_window();
void bind_main_window(window_operations* window) noexcept;

}  // namespace batchvcf
