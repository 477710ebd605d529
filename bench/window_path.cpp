// window_path_bench INPUT DESKTOP: imports INPUT as a click on the import button would, then
// clicks generate once (separator one space, box clear); the cards land in DESKTOP.

#include <cstdio>

#include "app/desktop_folder.h"
#include "app/program_state.h"
#include "app/window_operations.h"
#include "cards/generate_cards.h"
#include "headless_window.h"
#include "import/import_handlers.h"
#include "import/open_files.h"
#include "text/code_page.h"

int main(int argc, char** argv) {
    using namespace batchvcf;
    if (argc != 3) {
        std::fprintf(stderr, "usage: window_path_bench INPUT DESKTOP\n");
        return 2;
    }
    bench::headless_window window;
    window.chosen_path = gbk_from_utf8(argv[1]);
    override_desktop_folder(gbk_from_utf8(argv[2]));
    init_program_state();
    bind_main_window(&window);
    import_text_data();
    const std::size_t lines = state().lines.size();
    generate_cards();
    std::fprintf(stderr, "%zu lines, %zu card bytes\n", lines, state().card_text.size());
    bind_main_window(nullptr);
    release_program_state();
    close_every_open_file();
    return 0;
}
