#include "txt2vcf/encoding_choice.h"

#include <cstdio>
#include <vector>

#include "txt2vcf/utf8_check.h"

namespace batchvcf::txt2vcf {

input_encoding encoding_from(std::string_view start, bool valid_utf8) noexcept {
    if (start.starts_with("\xEF\xBB\xBF")) return input_encoding::utf8;
    if (start.starts_with("\xFF\xFE")) return input_encoding::utf16le;
    if (start.starts_with("\xFE\xFF")) return input_encoding::utf16be;
    return valid_utf8 ? input_encoding::utf8 : input_encoding::gbk;
}

encoding_choice::encoding_choice(byte_source& source) : source_(source) {
    // A pipe can't be read twice: what the scan takes out of it goes to a spill file first.
    const bool rewindable = source_.rewind();
    if (!rewindable && source_.failed()) {
        reason_ = source_.failure_reason();
        return;
    }
    std::optional<file_sink> spill_sink;
    if (!rewindable) {
        opened_file spill = open_spill_file();
        if (!spill.file) {
            reason_ = "cannot make a spill file: " + spill.reason;
            return;
        }
        spill_ = std::move(spill.file);
        spill_sink.emplace(spill_.get());
    }

    // A code page 936 file shows invalid UTF-8 in its first Chinese character; only UTF-8 and
    // plain ASCII input are read to the end.
    std::vector<char> chunk(std::size_t{1} << 16);
    std::string start;
    utf8_validator validator;
    for (;;) {
        const std::size_t count = source_.read(chunk.data(), chunk.size());
        if (count == 0) break;
        const std::string_view piece(chunk.data(), count);
        if (start.size() < 3) start.append(piece.substr(0, 3 - start.size()));
        validator.feed(piece);
        if (spill_sink && !spill_sink->write(piece)) {
            reason_ = "cannot fill the spill file: " + spill_sink->failure_reason();
            return;
        }
        if (!validator.still_valid() && start.size() >= 3) break;
    }
    if (source_.failed()) {
        reason_ = source_.failure_reason();
        return;
    }
    if (rewindable) {
        if (!source_.rewind()) {
            reason_ = source_.failure_reason();
            return;
        }
    } else {
        if (!spill_sink->flush() || std::fseek(spill_.get(), 0, SEEK_SET) != 0) {
            reason_ = "cannot read back the spill file: " + last_error_text();
            return;
        }
        spilled_.emplace(spill_.get());
        chained_.emplace(*spilled_, source_);
    }
    encoding_ = encoding_from(start, validator.finish());
}

}  // namespace batchvcf::txt2vcf
