#include "app/program.h"

#include "app/event_gate.h"
#include "app/exit_routines.h"
#include "app/fatal_error.h"
#include "app/program_state.h"
#include "app/shell_platform.h"
#include "app/system_texts.h"
#include "app/window_description.h"
#include "import/open_files.h"

namespace batchvcf {

int start_routine() {
    return 0;
}

bool load_main_window() {
    shell_platform& platform = current_platform();
    // The controls' first texts (the space in the separator box) must run no handler.
    raise_event_gate();
    const bool built = platform.build_main_window(main_window_description());
    lower_event_gate();
    if (!built) return false;
    platform.show_main_window();
    return true;
}

void run_message_loop() {
    current_platform().run_message_loop();
}

int program_main() {
    shell_platform& platform = current_platform();
    if (!platform.initialise()) report_fatal_error(0, texts::description_unreadable);
    init_program_state();
    register_exit_routine(release_program_state);
    start_routine();
    if (!load_main_window()) report_fatal_error(0, texts::main_window_failed);
    run_message_loop();
    return 0;
}

void run_end_procedure() {
    raise_event_gate();  // for good: nothing runs a handler from here on
    run_exit_routines();
    close_every_open_file();
    current_platform().finish();
}

int run_window_program(shell_platform& platform) {
    install_platform(&platform);
    const int exit_code = program_main();
    run_end_procedure();
    return exit_code;
}

}  // namespace batchvcf
