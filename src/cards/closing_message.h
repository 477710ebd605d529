#pragma once
// What the message box says after a generation whose card file was written.

#include <array>
#include <cstdint>

#include "text/text.h"

namespace batchvcf {

// The lines a generation passed over although they held something: fewer than two fields, or a
// number that would carry a line break into the card.
struct skipped_lines {
    static constexpr std::int32_t listed_at_most = 10;

    std::int32_t count = 0;
    std::array<std::int32_t, listed_at_most> first_numbers{};  // 1-based, the first `count` used

    void note(std::int32_t line_number) noexcept {
        if (count < listed_at_most) first_numbers[static_cast<std::size_t>(count)] = line_number;
        ++count;
    }
};

// "已生成在桌面，批量生成完毕。", followed when lines were skipped by
// "\r\n有 N 行数据不完整，已跳过：第 a、b、c 行。" listing the first ten ("行等。" past ten).
text generation_message(const skipped_lines& skipped);

}  // namespace batchvcf
