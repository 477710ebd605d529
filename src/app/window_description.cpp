#include "app/window_description.h"

#include "app/system_texts.h"
#include "cards/generate_cards.h"
#include "import/import_handlers.h"

namespace batchvcf {
namespace {

using namespace std::string_view_literals;

constexpr rgb_colour black{0, 0, 0};
constexpr rgb_colour red{255, 0, 0};

// Control names, code page 936.
constexpr std::string_view label_2_name =
    "\xB1\xEA\xC7\xA9"
    "2"sv;  // 标签2
constexpr std::string_view label_1_name =
    "\xB1\xEA\xC7\xA9"
    "1"sv;  // 标签1
constexpr std::string_view edit_box_1_name =
    "\xB1\xE0\xBC\xAD\xBF\xF2"
    "1"sv;  // 编辑框1
constexpr std::string_view edit_box_2_name =
    "\xB1\xE0\xBC\xAD\xBF\xF2"
    "2"sv;  // 编辑框2
constexpr std::string_view button_1_name =
    "\xB0\xB4\xC5\xA5"
    "1"sv;  // 按钮1
constexpr std::string_view check_box_1_name =
    "\xD1\xA1\xD4\xF1\xBF\xF2"
    "1"sv;  // 选择框1
constexpr std::string_view button_2_name =
    "\xB0\xB4\xC5\xA5"
    "2"sv;  // 按钮2
constexpr std::string_view dialog_1_name =
    "\xCD\xA8\xD3\xC3\xB6\xD4\xBB\xB0\xBF\xF2"
    "1"sv;  // 通用对话框1

// In the order of the description, which is also the order the controls are created in.
constexpr control_flags label_flags = transparent_background | one_line_centred;

constexpr control_description controls[] = {
    {control_id::label_2, label_2_name, control_kind::label, 8, 8, 360, 24,
     texts::instructions_label, false, false, red, control_border::none, bound_event::none, nullptr,
     label_flags},
    {control_id::label_1, label_1_name, control_kind::label, 16, 48, 56, 24, texts::separator_label,
     false, false, black, control_border::none, bound_event::none, nullptr, label_flags},
    {control_id::edit_box_1, edit_box_1_name, control_kind::single_line_edit, 72, 48, 80, 20,
     texts::initial_separator, true, false, black, control_border::static_edge,
     bound_event::content_changed, echo_separator, scrolls_sideways | hides_selection_unfocused},
    {control_id::edit_box_2, edit_box_2_name, control_kind::multi_line_edit, 168, 48, 184, 120,
     ""sv, true, false, black, control_border::plain_line, bound_event::none, nullptr,
     caption_wraps | follows_caret | enter_makes_new_line},
    {control_id::button_1, button_1_name, control_kind::push_button, 8, 80, 80, 32,
     texts::import_button, true, false, black, control_border::none, bound_event::click,
     import_text_data, caption_wraps},
    {control_id::check_box_1, check_box_1_name, control_kind::check_box, 104, 88, 56, 64,
     texts::trim_last_box, true, true, black, control_border::none, bound_event::none, nullptr,
     caption_wraps | tick_left_of_caption},
    {control_id::button_2, button_2_name, control_kind::push_button, 8, 120, 80, 32,
     texts::generate_button, true, false, black, control_border::none, bound_event::click,
     generate_cards, caption_wraps},
    {control_id::common_dialog_1, dialog_1_name, control_kind::open_file_dialog, 0, 0, 0, 0, ""sv,
     false, false, black, control_border::none, bound_event::none, nullptr, no_flags},
};

constexpr window_description description{
    texts::main_window_caption,
    366,
    203,
    50,
    50,
    controls,
    texts::fixed_desktop_folder,
    hide_read_only | file_must_exist | path_must_exist | overwrite_prompt,
    "DEFAULT_ICON"sv,
};

}  // namespace

const window_description& main_window_description() noexcept {
    return description;
}

const control_description& control(control_id id) noexcept {
    for (const control_description& each : controls) {
        if (each.id == id) return each;
    }
    return controls[0];  // unreachable: every id has its entry
}

window_position centred_position(int screen_width, int screen_height, int outer_width,
                                 int outer_height) noexcept {
    return {(screen_width - outer_width) / 2, (screen_height - outer_height) / 2};
}

}  // namespace batchvcf
