#pragma once
// The texts the program shows and writes, as their exact code page 936 bytes. Each literal is
// followed by the text it spells (with C escapes); scripts/gbk_literal.py makes a new one.

#include <string_view>

// clang-format off
namespace batchvcf::texts {

using namespace std::string_view_literals;


// Window
// 批量vcf生成
inline constexpr std::string_view main_window_caption = "\xC5\xFA\xC1\xBFvcf\xC9\xFA\xB3\xC9"sv;
// 先导入txt电话数据，然后选择分割符号，最后批量生成vcf。
inline constexpr std::string_view instructions_label = "\xCF\xC8\xB5\xBC\xC8\xEBtxt\xB5\xE7\xBB\xB0\xCA\xFD\xBE\xDD\xA3\xAC\xC8\xBB\xBA\xF3\xD1\xA1\xD4\xF1\xB7\xD6\xB8\xEE\xB7\xFB\xBA\xC5\xA3\xAC\xD7\xEE\xBA\xF3\xC5\xFA\xC1\xBF\xC9\xFA\xB3\xC9vcf\xA1\xA3"sv;
// 分割符号：
inline constexpr std::string_view separator_label = "\xB7\xD6\xB8\xEE\xB7\xFB\xBA\xC5\xA3\xBA"sv;
// ' '
inline constexpr std::string_view initial_separator = " "sv;
// 导入txt数据
inline constexpr std::string_view import_button = "\xB5\xBC\xC8\xEBtxt\xCA\xFD\xBE\xDD"sv;
// 生成vcf
inline constexpr std::string_view generate_button = "\xC9\xFA\xB3\xC9vcf"sv;
// 去除末尾一位
inline constexpr std::string_view trim_last_box = "\xC8\xA5\xB3\xFD\xC4\xA9\xCE\xB2\xD2\xBB\xCE\xBB"sv;
// 信息：
inline constexpr std::string_view message_caption = "\xD0\xC5\xCF\xA2\xA3\xBA"sv;
// 错误
inline constexpr std::string_view error_caption = "\xB4\xED\xCE\xF3"sv;

// Fatal report
// 载入窗口模板数据段出错!
inline constexpr std::string_view description_unreadable = "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!"sv;
// 载入启动窗口失败
inline constexpr std::string_view main_window_failed = "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC"sv;
// 运行时出错!\r\n\r\n
inline constexpr std::string_view fatal_heading = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n"sv;
// 错误代码：
inline constexpr std::string_view fatal_code_label = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA"sv;
// 错误信息：
inline constexpr std::string_view fatal_message_label = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA"sv;
// '分配 '
inline constexpr std::string_view storage_exhausted_before = "\xB7\xD6\xC5\xE4 "sv;
// ' 字节内存失败!'
inline constexpr std::string_view storage_exhausted_after = " \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!"sv;
// 数组成员引用下标必须大于等于1
inline constexpr std::string_view index_below_one = "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2\xB1\xEA\xB1\xD8\xD0\xEB\xB4\xF3\xD3\xDA\xB5\xC8\xD3\xDA" "1"sv;
// 数组成员引用下标超出定义范围
inline constexpr std::string_view index_past_end = "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2\xB1\xEA\xB3\xAC\xB3\xF6\xB6\xA8\xD2\xE5\xB7\xB6\xCE\xA7"sv;

// Import and activity log
// 文本文件|*.txt
inline constexpr std::string_view text_file_filter = "\xCE\xC4\xB1\xBE\xCE\xC4\xBC\xFE|*.txt"sv;
// [ 已打开 ] followed by three backslashes
inline constexpr std::string_view opened_log = "[ \xD2\xD1\xB4\xF2\xBF\xAA ]\\\\\\"sv;
// '\\r\\n共有： '
inline constexpr std::string_view count_log_before = "\r\n\xB9\xB2\xD3\xD0\xA3\xBA "sv;
// ' 条数据。'
inline constexpr std::string_view count_log_after = " \xCC\xF5\xCA\xFD\xBE\xDD\xA1\xA3"sv;
// '[分隔符 '
inline constexpr std::string_view separator_log_before = "[\xB7\xD6\xB8\xF4\xB7\xFB "sv;
// ' ]\\r\\n'
inline constexpr std::string_view separator_log_after = " ]\r\n"sv;
// 无法读取文件：
inline constexpr std::string_view cannot_read_file = "\xCE\xDE\xB7\xA8\xB6\xC1\xC8\xA1\xCE\xC4\xBC\xFE\xA3\xBA"sv;

// Card generation
// 已生成在桌面，批量生成完毕。
inline constexpr std::string_view generation_done = "\xD2\xD1\xC9\xFA\xB3\xC9\xD4\xDA\xD7\xC0\xC3\xE6\xA3\xAC\xC5\xFA\xC1\xBF\xC9\xFA\xB3\xC9\xCD\xEA\xB1\xCF\xA1\xA3"sv;
// '\\r\\n有 '
inline constexpr std::string_view skipped_before = "\r\n\xD3\xD0 "sv;
// ' 行数据不完整，已跳过：第 '
inline constexpr std::string_view skipped_middle = " \xD0\xD0\xCA\xFD\xBE\xDD\xB2\xBB\xCD\xEA\xD5\xFB\xA3\xAC\xD2\xD1\xCC\xF8\xB9\xFD\xA3\xBA\xB5\xDA "sv;
// 、
inline constexpr std::string_view skipped_list_separator = "\xA1\xA2"sv;
// ' 行。'
inline constexpr std::string_view skipped_end = " \xD0\xD0\xA1\xA3"sv;
// ' 行等。'
inline constexpr std::string_view skipped_end_more = " \xD0\xD0\xB5\xC8\xA1\xA3"sv;
// 生成失败，无法写入文件：
inline constexpr std::string_view cannot_write_file = "\xC9\xFA\xB3\xC9\xCA\xA7\xB0\xDC\xA3\xAC\xCE\xDE\xB7\xA8\xD0\xB4\xC8\xEB\xCE\xC4\xBC\xFE\xA3\xBA"sv;
// C:\\Users\\Administrator\\Desktop
inline constexpr std::string_view fixed_desktop_folder = "C:\\Users\\Administrator\\Desktop"sv;
// 批量VCF.vcf
inline constexpr std::string_view card_file_name = "\xC5\xFA\xC1\xBFVCF.vcf"sv;
// C:\\Users\\Administrator\\Desktop\\批量VCF.vcf
inline constexpr std::string_view fixed_card_file_path = "C:\\Users\\Administrator\\Desktop\\\xC5\xFA\xC1\xBFVCF.vcf"sv;
// \r\n
inline constexpr std::string_view line_break = "\r\n"sv;

}  // namespace batchvcf::texts
// clang-format on
