#include "txt2vcf/options.h"

#include <string_view>

#include "txt2vcf/utf8_check.h"

namespace batchvcf::txt2vcf {
namespace {

enum class option_kind { output, separator, trim, encoding, quiet, help, version };

struct option_definition {
    char short_name;
    std::string_view long_name;
    option_kind kind;
    bool takes_value;
};

constexpr option_definition definitions[] = {
    {'o', "output", option_kind::output, true},
    {'s', "separator", option_kind::separator, true},
    {'t', "trim-last", option_kind::trim, false},
    {'e', "encoding", option_kind::encoding, true},
    {'q', "quiet", option_kind::quiet, false},
    {'h', "help", option_kind::help, false},
    {'\0', "version", option_kind::version, false},
};

const option_definition* find_short(char name) {
    for (const option_definition& definition : definitions) {
        if (definition.short_name == name) return &definition;
    }
    return nullptr;
}

const option_definition* find_long(std::string_view name) {
    for (const option_definition& definition : definitions) {
        if (definition.long_name == name) return &definition;
    }
    return nullptr;
}

// Stores one option's value; the problem with it, or an empty string.
std::string apply(const option_definition& definition, const std::string& value, options& out) {
    switch (definition.kind) {
        case option_kind::output:
            if (value.empty()) return "the output file name is empty";
            out.output = value;
            break;
        case option_kind::separator:
            // An empty separator would make every line one field: nothing could ever convert.
            if (value.empty()) return "the separator is empty";
            if (!is_valid_utf8(value)) return "the separator is not UTF-8";
            out.separator_utf8 = value;
            break;
        case option_kind::encoding:
            if (value == "auto") {
                out.encoding = input_encoding::automatic;
            } else if (value == "gbk") {
                out.encoding = input_encoding::gbk;
            } else if (value == "utf-8") {
                out.encoding = input_encoding::utf8;
            } else {
                return "unknown encoding '" + value + "' (gbk, utf-8 or auto)";
            }
            break;
        case option_kind::trim:
            out.trim_last = true;
            break;
        case option_kind::quiet:
            out.quiet = true;
            break;
        case option_kind::help:
            out.show_help = true;
            break;
        case option_kind::version:
            out.show_version = true;
            break;
    }
    return {};
}

}  // namespace

parsed_options parse_options(const std::vector<std::string>& arguments) {
    parsed_options result;
    std::vector<std::string> inputs;
    bool options_ended = false;
    for (std::size_t i = 0; i < arguments.size() && result.usage_error.empty(); ++i) {
        const std::string& argument = arguments[i];
        if (options_ended || argument == "-" || argument.empty() || argument[0] != '-') {
            inputs.push_back(argument);
            continue;
        }
        if (argument == "--") {
            options_ended = true;
            continue;
        }
        if (argument.starts_with("--")) {
            const std::string_view body = std::string_view(argument).substr(2);
            const std::size_t equals = body.find('=');
            const option_definition* definition = find_long(body.substr(0, equals));
            if (definition == nullptr) {
                result.usage_error = "unknown option '" + argument + "'";
            } else if (!definition->takes_value && equals != std::string_view::npos) {
                result.usage_error =
                    "option '--" + std::string(definition->long_name) + "' takes no value";
            } else if (!definition->takes_value) {
                result.usage_error = apply(*definition, {}, result.values);
            } else if (equals != std::string_view::npos) {
                result.usage_error =
                    apply(*definition, std::string(body.substr(equals + 1)), result.values);
            } else if (i + 1 < arguments.size()) {
                result.usage_error = apply(*definition, arguments[++i], result.values);
            } else {
                result.usage_error = "option '" + argument + "' needs a value";
            }
            continue;
        }
        // One or more short options bundled; a value-taking one takes the rest or the next word.
        for (std::size_t at = 1; at < argument.size() && result.usage_error.empty(); ++at) {
            const option_definition* definition = find_short(argument[at]);
            if (definition == nullptr) {
                result.usage_error = "unknown option '-" + std::string(1, argument[at]) + "'";
            } else if (!definition->takes_value) {
                result.usage_error = apply(*definition, {}, result.values);
            } else {
                if (at + 1 < argument.size()) {
                    result.usage_error = apply(*definition, argument.substr(at + 1), result.values);
                } else if (i + 1 < arguments.size()) {
                    result.usage_error = apply(*definition, arguments[++i], result.values);
                } else {
                    result.usage_error =
                        "option '-" + std::string(1, definition->short_name) + "' needs a value";
                }
                break;
            }
        }
    }
    if (!result.usage_error.empty() || result.values.show_help || result.values.show_version) {
        return result;
    }
    if (inputs.empty()) {
        result.usage_error = "no INPUT given (use - for standard input)";
    } else if (inputs.size() > 1) {
        result.usage_error = "more than one INPUT given";
    } else {
        result.values.input = inputs.front();
    }
    return result;
}

std::string usage_text() {
    return "Usage: txt2vcf [OPTIONS] INPUT\n"
           "Writes one vCard 2.1 card per line of INPUT (\"name SEP number\"), names in UTF-8\n"
           "quoted-printable. INPUT may be - for standard input.\n"
           "\n"
           "  -o, --output FILE     write the cards to FILE, replacing it atomically;\n"
           "                        without -o, or with -o -, to standard output\n"
           "  -s, --separator SEP   separator between name and number (default one space)\n"
           "  -t, --trim-last       drop the last character of every line before splitting it\n"
           "  -e, --encoding ENC    gbk, utf-8 or auto (default): auto reads UTF-8 after a UTF-8\n"
           "                        byte-order mark or when the input is valid UTF-8 throughout,\n"
           "                        UTF-16 after a UTF-16 byte-order mark, code page 936 "
           "otherwise\n"
           "  -q, --quiet           no warnings about skipped lines\n"
           "  -h, --help            this text\n"
           "      --version         the version\n"
           "\n"
           "Lines end at CR LF, LF or CR; empty lines are passed over, and a line of more than\n"
           "1 MiB is skipped with a warning. In code page 936 a CR LF right after a byte of 0x80\n"
           "or above that has no partner joins the next line, as in the window. Exit status:\n"
           "0 success, 1 the input can't be read or the output can't be written, 2 a usage error.\n";
}

}  // namespace batchvcf::txt2vcf
