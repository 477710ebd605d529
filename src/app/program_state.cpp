#include "app/program_state.h"

namespace batchvcf {
namespace {
program_state the_state;
}

program_state& state() noexcept {
    return the_state;
}

void init_program_state() {
    the_state.file_number = 0;
    release_text(the_state.file_text);
    the_state.lines = empty_text_array();
    the_state.fields = empty_text_array();
    release_text(the_state.card_text);
}

void release_program_state() {
    release_text(the_state.file_text);
    release_text_array(the_state.lines);
    release_text_array(the_state.fields);
    release_text(the_state.card_text);
}

}  // namespace batchvcf
