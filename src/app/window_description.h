#pragma once
// The main window as data: both front ends build the same window from it. Texts are code page
// 936; places and sizes are pixels in the client area.

#include <cstdint>
#include <span>
#include <string_view>

#include "app/event_gate.h"

namespace batchvcf {

enum class control_kind {
    label,
    single_line_edit,
    multi_line_edit,
    push_button,
    check_box,
    open_file_dialog,  // settings only, no window of its own
};

enum class control_id {
    label_2,          // 标签2, the instructions
    label_1,          // 标签1, "分割符号："
    edit_box_1,       // 编辑框1, the separator
    edit_box_2,       // 编辑框2, the activity log
    button_1,         // 按钮1, import
    check_box_1,      // 选择框1, trim the last byte
    button_2,         // 按钮2, generate
    common_dialog_1,  // 通用对话框1, the open-file dialog
};

enum class bound_event { none, click, content_changed };

enum class control_border { none, static_edge, plain_line };

struct rgb_colour {
    std::uint8_t red, green, blue;
};

// How a control behaves beyond its kind; a front end maps each flag to its toolkit's setting.
enum control_flags : std::uint32_t {
    no_flags = 0,
    transparent_background = 1u << 0,  // drawn over the window's button-face colour
    one_line_centred = 1u << 1,        // one line, left-aligned, vertically centred, unclipped
    caption_wraps = 1u << 2,           // a caption or content that wraps onto further lines
    scrolls_sideways = 1u << 3,        // a single line that scrolls as it grows past the edge
    follows_caret = 1u << 4,           // the view scrolls up and down with the caret
    enter_makes_new_line = 1u << 5,    // Enter inserts a line break instead of reaching the window
    hides_selection_unfocused = 1u << 6,
    tick_left_of_caption = 1u << 7,
};
constexpr control_flags operator|(control_flags left, control_flags right) noexcept {
    return static_cast<control_flags>(static_cast<std::uint32_t>(left) | right);
}

// The settings of the open-file dialog beyond its folder and filter.
enum dialog_flags : std::uint32_t {
    no_dialog_flags = 0,
    hide_read_only = 1u << 0,
    file_must_exist = 1u << 1,
    path_must_exist = 1u << 2,
    overwrite_prompt = 1u << 3,  // carried in the description; an open dialog ignores it
};
constexpr dialog_flags operator|(dialog_flags left, dialog_flags right) noexcept {
    return static_cast<dialog_flags>(static_cast<std::uint32_t>(left) | right);
}

struct control_description {
    control_id id;
    std::string_view name;  // as the description names it, e.g. 编辑框1
    control_kind kind;
    int left, top, width, height;
    std::string_view initial_text;
    bool accepts_focus;
    bool initially_ticked;
    rgb_colour text_colour;
    control_border border;
    bound_event event;
    event_handler handler;  // runs through dispatch_event when `event` arises
    control_flags flags;
    // Every control is visible and enabled at start, and none carries a mnemonic letter.
};

// A fixed frame with a title bar, the system menu with the close button and a minimize button,
// no maximize button; movable, with a task bar button. Button-face background, the default GUI
// font for the window and every control, the icon resource DEFAULT_ICON. Esc closes the window;
// Enter presses no button (neither is a default button).
struct window_description {
    std::string_view caption;
    int outer_width, outer_height;  // frame and title bar included; the window is not resizable
    int stored_left, stored_top;    // kept in the description, never used: the window opens centred
    std::span<const control_description> controls;
    std::string_view dialog_initial_folder;  // resolved to the user's desktop by the platform
    dialog_flags dialog_settings;            // an open dialog (not a save dialog), no title
    std::string_view icon_resource;
};

const window_description& main_window_description() noexcept;
const control_description& control(control_id id) noexcept;

// Where a window of the given outer size opens on a screen of the given size.
struct window_position {
    int left, top;
};
window_position centred_position(int screen_width, int screen_height, int outer_width,
                                 int outer_height) noexcept;

}  // namespace batchvcf
