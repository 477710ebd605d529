#pragma once
// The command line of txt2vcf, parsed into values; a usage error is a value too.

#include <string>
#include <vector>

namespace batchvcf::txt2vcf {

enum class input_encoding { automatic, gbk, utf8, utf16le, utf16be };

struct options {
    std::string input = "-";   // a path, or "-" for standard input
    std::string output = "-";  // a path, or "-" for standard output
    std::string separator_utf8 = " ";
    bool trim_last = false;
    input_encoding encoding = input_encoding::automatic;
    bool quiet = false;
    bool show_help = false;
    bool show_version = false;
};

struct parsed_options {
    options values;
    std::string usage_error;  // empty when the command line is sound
};

// `arguments` excludes the program's name. Accepts -sSEP, -s SEP, --separator=SEP and
// --separator SEP, bundled flags (-tq), and "--" before an INPUT that begins with a dash.
parsed_options parse_options(const std::vector<std::string>& arguments);

// The text of --help.
std::string usage_text();

}  // namespace batchvcf::txt2vcf
