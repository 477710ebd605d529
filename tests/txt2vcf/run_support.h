#pragma once
// Running txt2vcf in-process, and the cards it should write spelled out by hand.

#include <filesystem>
#include <string>
#include <vector>

namespace batchvcf::txt2vcf::testing {

struct run_outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs txt2vcf with `arguments` and `input` on standard input (a pipe unless `rewindable`).
run_outcome run(const std::vector<std::string>& arguments, const std::string& input = {},
                bool rewindable = false);

// The record of a UTF-8 name and number, from the format's description rather than the code.
std::string card(const std::string& name_utf8, const std::string& number_utf8);

std::string utf8_path(const std::filesystem::path& path);

}  // namespace batchvcf::txt2vcf::testing
