#pragma once
// txt2vcf as a function: the tests drive it in-process with their own streams.

#include <string>
#include <vector>

#include "txt2vcf/byte_stream.h"

namespace batchvcf::txt2vcf {

// Runs the converter on `arguments` (the program's name left out) and gives the exit status:
// 0 done (warnings included), 1 input unreadable or output unwritable, 2 usage error.
int run_txt2vcf(const std::vector<std::string>& arguments, byte_source& standard_input,
                byte_sink& standard_output, byte_sink& standard_error);

}  // namespace batchvcf::txt2vcf
