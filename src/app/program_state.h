#pragma once
// The program-wide variables the handlers share. They live from start-up to the end procedure.

#include <cstdint>

#include "text/text.h"

namespace batchvcf {

struct program_state {
    std::int32_t file_number = 0;
    text file_text;
    text_array lines;   // the lines as imported, in file order
    text_array fields;  // the fields of the line last turned into a record
    text card_text;     // every record made in this run; only ever appended to
};

program_state& state() noexcept;

void init_program_state();
void release_program_state();

}  // namespace batchvcf
