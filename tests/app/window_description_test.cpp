#include "app/window_description.h"

#include <gtest/gtest.h>

#include "cards/generate_cards.h"
#include "import/import_handlers.h"

namespace batchvcf {
namespace {

using namespace std::string_view_literals;

TEST(window_description_test, the_eight_controls_in_order) {
    struct row {
        std::string_view name;
        control_kind kind;
        int left, top, width, height;
        std::string_view text;
        bool focus, ticked;
        bound_event event;
        event_handler handler;
    } const rows[] = {
        // 标签2: 先导入txt电话数据，然后选择分割符号，最后批量生成vcf。
        {"\xB1\xEA\xC7\xA9"
         "2"sv,
         control_kind::label, 8, 8, 360, 24,
         "\xCF\xC8\xB5\xBC\xC8\xEBtxt\xB5\xE7\xBB\xB0\xCA\xFD\xBE\xDD\xA3\xAC\xC8\xBB\xBA\xF3\xD1"
         "\xA1"
         "\xD4\xF1\xB7\xD6\xB8\xEE\xB7\xFB\xBA\xC5\xA3\xAC\xD7\xEE\xBA\xF3\xC5\xFA\xC1\xBF\xC9\xFA"
         "\xB3\xC9vcf\xA1\xA3"sv,
         false, false, bound_event::none, nullptr},
        // 标签1: 分割符号：
        {"\xB1\xEA\xC7\xA9"
         "1"sv,
         control_kind::label, 16, 48, 56, 24, "\xB7\xD6\xB8\xEE\xB7\xFB\xBA\xC5\xA3\xBA"sv, false,
         false, bound_event::none, nullptr},
        // 编辑框1: one space
        {"\xB1\xE0\xBC\xAD\xBF\xF2"
         "1"sv,
         control_kind::single_line_edit, 72, 48, 80, 20, " "sv, true, false,
         bound_event::content_changed, echo_separator},
        // 编辑框2: the activity log, empty
        {"\xB1\xE0\xBC\xAD\xBF\xF2"
         "2"sv,
         control_kind::multi_line_edit, 168, 48, 184, 120, ""sv, true, false, bound_event::none,
         nullptr},
        // 按钮1: 导入txt数据
        {"\xB0\xB4\xC5\xA5"
         "1"sv,
         control_kind::push_button, 8, 80, 80, 32, "\xB5\xBC\xC8\xEBtxt\xCA\xFD\xBE\xDD"sv, true,
         false, bound_event::click, import_text_data},
        // 选择框1: 去除末尾一位, ticked
        {"\xD1\xA1\xD4\xF1\xBF\xF2"
         "1"sv,
         control_kind::check_box, 104, 88, 56, 64,
         "\xC8\xA5\xB3\xFD\xC4\xA9\xCE\xB2\xD2\xBB\xCE\xBB"sv, true, true, bound_event::none,
         nullptr},
        // 按钮2: 生成vcf
        {"\xB0\xB4\xC5\xA5"
         "2"sv,
         control_kind::push_button, 8, 120, 80, 32, "\xC9\xFA\xB3\xC9vcf"sv, true, false,
         bound_event::click, generate_cards},
        // 通用对话框1: settings only
        {"\xCD\xA8\xD3\xC3\xB6\xD4\xBB\xB0\xBF\xF2"
         "1"sv,
         control_kind::open_file_dialog, 0, 0, 0, 0, ""sv, false, false, bound_event::none,
         nullptr},
    };
    const window_description& window = main_window_description();
    ASSERT_EQ(window.controls.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const row& expected = rows[i];
        const control_description& actual = window.controls[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(actual.name, expected.name);
        EXPECT_EQ(actual.kind, expected.kind);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.width, expected.width);
        EXPECT_EQ(actual.height, expected.height);
        EXPECT_EQ(actual.initial_text, expected.text);
        EXPECT_EQ(actual.accepts_focus, expected.focus);
        EXPECT_EQ(actual.initially_ticked, expected.ticked);
        EXPECT_EQ(actual.event, expected.event);
        EXPECT_EQ(actual.handler, expected.handler);
        EXPECT_EQ(&control(actual.id), &actual);
    }
}

TEST(window_description_test, looks_and_settings_beyond_the_places) {
    const window_description& window = main_window_description();
    EXPECT_EQ(window.caption, "\xC5\xFA\xC1\xBFvcf\xC9\xFA\xB3\xC9"sv);  // 批量vcf生成
    EXPECT_EQ(window.outer_width, 366);
    EXPECT_EQ(window.outer_height, 203);
    EXPECT_EQ(window.stored_left, 50);
    EXPECT_EQ(window.stored_top, 50);
    EXPECT_EQ(window.icon_resource, "DEFAULT_ICON"sv);
    EXPECT_EQ(window.dialog_initial_folder, "C:\\Users\\Administrator\\Desktop"sv);
    EXPECT_EQ(window.dialog_settings,
              hide_read_only | file_must_exist | path_must_exist | overwrite_prompt);

    const control_description& instructions = control(control_id::label_2);
    EXPECT_EQ(instructions.text_colour.red, 255);
    EXPECT_EQ(instructions.text_colour.green + instructions.text_colour.blue, 0);
    EXPECT_EQ(control(control_id::label_1).text_colour.red, 0);
    EXPECT_EQ(control(control_id::edit_box_1).border, control_border::static_edge);
    EXPECT_EQ(control(control_id::edit_box_2).border, control_border::plain_line);
    EXPECT_TRUE(control(control_id::edit_box_1).flags & scrolls_sideways);
    EXPECT_TRUE(control(control_id::edit_box_2).flags & enter_makes_new_line);
    EXPECT_FALSE(control(control_id::edit_box_1).flags & enter_makes_new_line);
}

TEST(window_description_test, the_window_opens_centred_by_integer_division) {
    struct row {
        int screen_width, screen_height, left, top;
    } const rows[] = {
        {1920, 1080, 777, 438},
        {1366, 768, 500, 282},
        {1367, 769, 500, 283},
        {300, 200, -33, -1},  // a screen smaller than the window
    };
    for (const row& each : rows) {
        SCOPED_TRACE(each.screen_width);
        const window_position position =
            centred_position(each.screen_width, each.screen_height, 366, 203);
        EXPECT_EQ(position.left, each.left);
        EXPECT_EQ(position.top, each.top);
    }
}

}  // namespace
}  // namespace batchvcf
