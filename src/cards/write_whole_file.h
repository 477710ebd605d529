#pragma once
// Writing the card file so that it is either the old file or the new one, never half of each.

#include <string_view>

#include "text/text.h"

namespace batchvcf {

struct write_outcome {
    bool written = false;
    text reason;  // the system's reason when not written, maybe empty
};

// Replaces the file at `path_gbk` by exactly `bytes`: they go to a new temporary file in the same
// folder, opened by nobody else, which is flushed to the disk and then renamed over the old file.
// On failure the old file is left as it was and the temporary file removed.
write_outcome write_whole_file(std::string_view path_gbk, std::string_view bytes);

}  // namespace batchvcf
