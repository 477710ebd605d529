#include "import/import_handlers.h"

#include "app/program_state.h"
#include "app/system_texts.h"
#include "app/window_operations.h"
#include "import/file_reading.h"
#include "import/open_files.h"

namespace batchvcf {
namespace {

// "无法读取文件：<path>", then the system's reason on a line of its own where there is one.
void tell_unreadable(std::string_view path, std::string_view reason) {
    text message = join_texts(texts::cannot_read_file, path);
    if (!reason.empty()) message.append(texts::line_break).append(reason);
    main_window().show_message(message);
}

}  // namespace

void import_text_data() {
    window_operations& window = main_window();
    window.set_filter(texts::text_file_filter);
    if (!window.show_open_dialog()) return;

    program_state& program = state();
    const text path = window.file_path();
    opened_file opened = open_for_reading(path);
    program.file_number = opened.file_number;
    if (program.file_number <= 0) {
        tell_unreadable(path, opened.reason);
        return;
    }
    window.append_to_box(join_texts(texts::opened_log, path));

    file_contents contents = read_file_text(program.file_number);
    // Nothing reads the file again, and holding it open would keep others from replacing it.
    close_open_file(program.file_number);
    if (!contents.read) {
        // The lines of the previous import stay, rather than being replaced by text never read.
        tell_unreadable(path, contents.reason);
        return;
    }
    text_array new_lines = divide_text(contents.file_text, texts::line_break);
    program.file_text = std::move(contents.file_text);
    program.lines = std::move(new_lines);

    window.append_to_box(join_texts(texts::count_log_before,
                                    decimal_text(element_count(program.lines)),
                                    texts::count_log_after));
}

void echo_separator() {
    window_operations& window = main_window();
    const text separator = window.content();
    window.append_to_box(
        join_texts(texts::separator_log_before, separator, texts::separator_log_after));
}

}  // namespace batchvcf
