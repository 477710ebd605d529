import subprocess
items = [
 ("Window", None),
 ("main_window_caption", "批量vcf生成"),
 ("instructions_label", "先导入txt电话数据，然后选择分割符号，最后批量生成vcf。"),
 ("separator_label", "分割符号："),
 ("initial_separator", " "),
 ("import_button", "导入txt数据"),
 ("generate_button", "生成vcf"),
 ("trim_last_box", "去除末尾一位"),
 ("message_caption", "信息："),
 ("error_caption", "错误"),
 ("Fatal report", None),
 ("description_unreadable", "载入窗口模板数据段出错!"),
 ("main_window_failed", "载入启动窗口失败"),
 ("fatal_heading", "运行时出错!\\r\\n\\r\\n"),
 ("fatal_code_label", "错误代码："),
 ("fatal_message_label", "错误信息："),
 ("storage_exhausted_before", "分配 "),
 ("storage_exhausted_after", " 字节内存失败!"),
 ("index_below_one", "数组成员引用下标必须大于等于1"),
 ("index_past_end", "数组成员引用下标超出定义范围"),
 ("Import and activity log", None),
 ("text_file_filter", "文本文件|*.txt"),
 ("opened_log", "[ 已打开 ]\\\\\\\\\\\\"),
 ("count_log_before", "\\r\\n共有： "),
 ("count_log_after", " 条数据。"),
 ("separator_log_before", "[分隔符 "),
 ("separator_log_after", " ]\\r\\n"),
 ("cannot_read_file", "无法读取文件："),
 ("Card generation", None),
 ("generation_done", "已生成在桌面，批量生成完毕。"),
 ("skipped_before", "\\r\\n有 "),
 ("skipped_middle", " 行数据不完整，已跳过：第 "),
 ("skipped_list_separator", "、"),
 ("skipped_end", " 行。"),
 ("skipped_end_more", " 行等。"),
 ("cannot_write_file", "生成失败，无法写入文件："),
 ("fixed_desktop_folder", "C:\\\\Users\\\\Administrator\\\\Desktop"),
 ("card_file_name", "批量VCF.vcf"),
 ("fixed_card_file_path", "C:\\\\Users\\\\Administrator\\\\Desktop\\\\批量VCF.vcf"),
 ("line_break", "\\r\\n"),
]
out = ['#pragma once',
'// The texts the program shows and writes, as their exact code page 936 bytes. Each literal is',
'// followed by the text it spells (with C escapes); scripts/gbk_literal.py makes a new one.',
'', '#include <string_view>', '', '// clang-format off', 'namespace batchvcf::texts {', '',
'using namespace std::string_view_literals;', '']
for name, s in items:
    if s is None:
        out.append(''); out.append(f'// {name}'); continue
    lit = subprocess.run(["python3","scripts/gbk_literal.py", s], capture_output=True, text=True).stdout.rstrip("\n")
    code, comment = lit.split("  // ",1)
    if comment.endswith("\\"):
        comment = comment.rstrip("\\") + " followed by three backslashes"
    out.append(f'// {comment!r}' if comment.strip()!=comment else f'// {comment}')
    out.append(f'inline constexpr std::string_view {name} = {code}sv;')
out += ['', '}  // namespace batchvcf::texts', '// clang-format on', '']
open("src/app/system_texts.h","w").write("\n".join(out))
