#include "stream_doubles.h"

#include <algorithm>
#include <cstring>

#include "txt2vcf/line_reader.h"

namespace batchvcf::txt2vcf::testing {

std::size_t string_source::read(char* buffer, std::size_t capacity) {
    if (failed_) return 0;
    if (at_ >= fail_after_) {
        failed_ = true;
        return 0;
    }
    const std::size_t count = std::min({capacity, piece_, bytes_.size() - at_, fail_after_ - at_});
    std::memcpy(buffer, bytes_.data() + at_, count);
    at_ += count;
    return count;
}

bool string_source::rewind() {
    if (!rewindable_ || failed_) return false;
    at_ = 0;
    return true;
}

bool string_sink::write(std::string_view more) {
    if (bytes.size() + more.size() > room) return false;
    bytes.append(more);
    return true;
}

std::string read_all(byte_source& source, std::size_t ask) {
    std::string out;
    std::vector<char> buffer(ask);
    while (const std::size_t count = source.read(buffer.data(), buffer.size()))
        out.append(buffer.data(), count);
    return out;
}

std::vector<std::string> lines_of(std::string bytes, std::size_t piece, bool gbk) {
    string_source source(std::move(bytes), piece);
    line_reader reader(source, true, gbk);
    std::vector<std::string> lines;
    std::string_view line;
    for (line_reader::status status; (status = reader.next(line)) != line_reader::status::end;) {
        lines.emplace_back(status == line_reader::status::too_long ? "<too long>" : line);
    }
    return lines;
}

}  // namespace batchvcf::txt2vcf::testing
