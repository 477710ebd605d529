#include "txt2vcf/utf16_source.h"

#include <gtest/gtest.h>

#include "stream_doubles.h"

namespace batchvcf::txt2vcf {
namespace {

using testing::string_source;

TEST(utf16_source_test, reads_utf16_as_utf8_whatever_the_reads_cut) {
    struct row {
        const char* label;
        std::string bytes;
        bool big_endian;
        std::string utf8;
    };
    const std::vector<row> rows = {
        // 示例A 1 CR LF, with and without the byte-order mark.
        {"little endian",
         std::string("\xFF\xFE\x3A\x79\x8B\x4F\x41\x00\x20\x00\x31\x00\x0D\x00\x0A\x00", 16), false,
         "\xE7\xA4\xBA\xE4\xBE\x8B"
         "A 1\r\n"},
        {"big endian", std::string("\xFE\xFF\x79\x3A\x4F\x8B\x00\x41", 8), true,
         "\xE7\xA4\xBA\xE4\xBE\x8B"
         "A"},
        {"no mark", std::string("\x41\x00", 2), false, "A"},
        {"surrogate pair", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), false, "\xF0\x9F\x98\x80"},
        {"lone surrogate", std::string("\xFF\xFE\x3D\xD8\x41\x00", 6), false,
         "\xEF\xBF\xBD"
         "A"},
        {"odd last byte", std::string("\xFF\xFE\x41\x00\x42", 5), false, "A\xEF\xBF\xBD"},
    };
    for (const row& r : rows) {
        for (const std::size_t piece : {std::size_t{1}, std::size_t{3}, std::size_t{1} << 20}) {
            SCOPED_TRACE(std::string(r.label) + ", pieces of " + std::to_string(piece));
            string_source raw(r.bytes, piece);
            utf16_source source(raw, r.big_endian);
            EXPECT_EQ(testing::read_all(source, 7), r.utf8);
        }
    }
}

}  // namespace
}  // namespace batchvcf::txt2vcf
