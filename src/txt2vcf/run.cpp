#include "txt2vcf/run.h"

#include <optional>

#include "text/code_page.h"
#include "txt2vcf/convert.h"
#include "txt2vcf/encoding_choice.h"
#include "txt2vcf/file_stream.h"
#include "txt2vcf/options.h"
#include "txt2vcf/utf16_source.h"

#ifndef TXT2VCF_VERSION
#define TXT2VCF_VERSION "0"
#endif

namespace batchvcf::txt2vcf {
namespace {

enum exit_status { success = 0, failure = 1, usage = 2 };

void say(byte_sink& sink, const std::string& message) {
    sink.write(message + "\n");
}

std::string input_name(const std::string& input) {
    return input == "-" ? "standard input" : "'" + input + "'";
}

// The output: standard output, or a new file beside FILE that takes its place only once every
// card is in it, so a failure leaves the old FILE as it was and no temporary file behind.
class card_output {
  public:
    card_output(const std::string& path, byte_sink& standard_output)
        : path_(path), standard_output_(standard_output) {}
    ~card_output() {
        if (!temporary_.empty()) {
            file_.reset();
            remove_file(temporary_);
            remove_if_interrupted({});
        }
    }
    card_output(const card_output&) = delete;
    card_output& operator=(const card_output&) = delete;

    // An empty string when the output is ready, else the reason.
    std::string open() {
        if (path_ == "-") return {};
        const std::string target = final_target(path_);
        opened_file made = is_special_file(target) ? open_for_writing(target)
                                                   : create_file_beside(target, temporary_);
        target_ = target;
        if (!made.file) return made.reason;
        file_ = std::move(made.file);
        // A replacement goes to the disk piece by piece while it is written.
        sink_.emplace(file_.get(), !temporary_.empty());
        if (!temporary_.empty()) remove_if_interrupted(temporary_);
        return {};
    }
    byte_sink& sink() { return sink_ ? static_cast<byte_sink&>(*sink_) : standard_output_; }
    std::string name() const { return path_ == "-" ? "standard output" : "'" + path_ + "'"; }

    // Writes out what is held and puts the file in place; an empty string, else the reason.
    std::string commit() {
        if (!sink().flush()) return sink().failure_reason();
        if (!file_) return {};
        if (!temporary_.empty()) {
            if (std::string reason = flush_to_disk(file_.get()); !reason.empty()) return reason;
        }
        if (std::fclose(file_.release()) != 0) return last_error_text();
        if (temporary_.empty()) return {};
        std::string reason = replace_file(temporary_, target_);
        if (reason.empty()) {
            temporary_.clear();
            remove_if_interrupted({});
        }
        return reason;
    }

  private:
    std::string path_;
    std::string target_;
    byte_sink& standard_output_;
    std::string temporary_;
    file_handle file_;
    std::optional<file_sink> sink_;
};

}  // namespace

int run_txt2vcf(const std::vector<std::string>& arguments, byte_source& standard_input,
                byte_sink& standard_output, byte_sink& standard_error) {
    const parsed_options parsed = parse_options(arguments);
    if (!parsed.usage_error.empty()) {
        say(standard_error, "txt2vcf: " + parsed.usage_error + "; try 'txt2vcf --help'");
        return usage;
    }
    const options& chosen = parsed.values;
    if (chosen.show_help || chosen.show_version) {
        standard_output.write(chosen.show_help ? usage_text()
                                               : std::string("txt2vcf " TXT2VCF_VERSION "\n"));
        return standard_output.flush() ? success : failure;
    }

    const std::string read_failure = "txt2vcf: cannot read " + input_name(chosen.input) + ": ";
    opened_file input_file;
    std::optional<file_source> input_source;
    byte_source* raw = &standard_input;
    if (chosen.input != "-") {
        input_file = open_for_reading(chosen.input);
        if (!input_file.file) {
            say(standard_error, read_failure + input_file.reason);
            return failure;
        }
        input_source.emplace(input_file.file.get());
        raw = &*input_source;
    }

    input_encoding encoding = chosen.encoding;
    std::optional<encoding_choice> choice;
    if (encoding == input_encoding::automatic) {
        choice.emplace(*raw);
        if (!choice->encoding()) {
            say(standard_error, read_failure + choice->failure_reason());
            return failure;
        }
        encoding = *choice->encoding();
        raw = &choice->stream();
    }
    std::optional<utf16_source> decoded;
    if (encoding == input_encoding::utf16le || encoding == input_encoding::utf16be) {
        decoded.emplace(*raw, encoding == input_encoding::utf16be);
        raw = &*decoded;
    }
    const bool gbk = encoding == input_encoding::gbk;
    const std::string separator =
        gbk ? std::string(gbk_from_utf8(chosen.separator_utf8)) : chosen.separator_utf8;

    card_output output(chosen.output, standard_output);
    if (std::string reason = output.open(); !reason.empty()) {
        say(standard_error, "txt2vcf: cannot write " + output.name() + ": " + reason);
        return failure;
    }
    const conversion_result result = convert_lines(*raw, gbk, separator, chosen.trim_last,
                                                   chosen.quiet, output.sink(), standard_error);
    switch (result.status) {
        case conversion_result::outcome::read_failed:
            say(standard_error, read_failure + result.reason);
            return failure;
        case conversion_result::outcome::write_failed:
            say(standard_error, "txt2vcf: cannot write " + output.name() + ": " + result.reason);
            return failure;
        case conversion_result::outcome::done:
            break;
    }
    if (std::string reason = output.commit(); !reason.empty()) {
        say(standard_error, "txt2vcf: cannot write " + output.name() + ": " + reason);
        return failure;
    }
    return success;
}

}  // namespace batchvcf::txt2vcf
