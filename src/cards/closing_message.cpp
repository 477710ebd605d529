#include "cards/closing_message.h"

#include <algorithm>

#include "app/system_texts.h"

namespace batchvcf {

text generation_message(const skipped_lines& skipped) {
    text message(texts::generation_done);
    if (skipped.count == 0) return message;
    message.append(texts::skipped_before)
        .append(decimal_text(skipped.count))
        .append(texts::skipped_middle);
    const std::int32_t listed = std::min(skipped.count, skipped_lines::listed_at_most);
    for (std::int32_t i = 0; i < listed; ++i) {
        if (i > 0) message.append(texts::skipped_list_separator);
        message.append(decimal_text(skipped.first_numbers[static_cast<std::size_t>(i)]));
    }
    message.append(skipped.count > listed ? texts::skipped_end_more : texts::skipped_end);
    return message;
}

}  // namespace batchvcf
