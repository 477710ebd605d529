#include "recording_window.h"

#include "app/program_state.h"

namespace batchvcf::testing {

void recording_window::append_to_box(std::string_view addition) {
    log.append(addition);
    appended.emplace_back(addition);
}

text recording_window::content() {
    return text(separator);
}

int recording_window::ticked() {
    return box_ticked;
}

void recording_window::set_filter(std::string_view new_filter) {
    filter = new_filter;
}

bool recording_window::show_open_dialog() {
    filters_at_dialog.push_back(filter);
    paths_at_dialog.push_back(path);
    if (dialog_answers.empty()) return false;
    std::optional<std::string> answer = dialog_answers.front();
    dialog_answers.pop_front();
    if (!answer) return false;
    path = *answer;
    return true;
}

text recording_window::file_path() {
    return text(path);
}

void recording_window::show_message(std::string_view message) {
    messages.emplace_back(message);
}

window_fixture::window_fixture() {
    init_program_state();
    bind_main_window(&window);
}

window_fixture::~window_fixture() {
    bind_main_window(nullptr);
    release_program_state();
}

}  // namespace batchvcf::testing
