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
};

struct window_description {
    std::string_view caption;
    int outer_width, outer_height;    // frame and title bar included; the window is not resizable
    int stored_left, stored_top;      // kept in the description, never used: the window opens centred
    std::span<const control_description> controls;
    std::string_view dialog_initial_folder;  // resolved to the user's desktop by the platform
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
