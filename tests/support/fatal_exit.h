#pragma once
// What a death test expects when the fatal report ends the process on the console stand-in
// platform: exit code -1, and the report on standard error in UTF-8.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "text/code_page.h"

namespace batchvcf::testing {

// Exit code -1 as the host hands it back to the parent.
#ifdef _WIN32
inline constexpr int fatal_exit_status = -1;
#else
inline constexpr int fatal_exit_status = 255;
#endif

inline ::testing::ExitedWithCode ended_by_fatal_report() {
    return ::testing::ExitedWithCode(fatal_exit_status);
}

// A death-test pattern that matches `gbk` literally as the console platform prints it.
inline std::string printed_report(std::string_view gbk) {
    const std::string printed = utf8_from_gbk(gbk);
    std::string pattern;
    for (const char byte : printed) {
        if (std::string_view("\\^$.|?*+()[]{}").find(byte) != std::string_view::npos)
            pattern.push_back('\\');
        pattern.push_back(byte);
    }
    return pattern;
}

}  // namespace batchvcf::testing
