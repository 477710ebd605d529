#include "txt2vcf/encoding_choice.h"

#include <gtest/gtest.h>

#include "stream_doubles.h"

namespace batchvcf::txt2vcf {
namespace {

using testing::string_source;

TEST(encoding_choice_test, marks_first_then_validity) {
    struct row {
        const char* label;
        std::string start;
        bool valid_utf8;
        input_encoding expected;
    };
    const std::vector<row> rows = {
        {"utf-8 mark", "\xEF\xBB\xBF", true, input_encoding::utf8},
        {"utf-8 mark, invalid later", "\xEF\xBB\xBF", false, input_encoding::utf8},
        {"utf-16le mark",
         "\xFF\xFE"
         "A",
         false, input_encoding::utf16le},
        {"utf-16be mark", "\xFE\xFF", false, input_encoding::utf16be},
        {"valid utf-8", "\xE7\xA4\xBA", true, input_encoding::utf8},
        {"ascii", "A 1", true, input_encoding::utf8},
        {"gbk", "\xCA\xBE\xC0", false, input_encoding::gbk},
        {"empty", "", true, input_encoding::utf8},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        EXPECT_EQ(encoding_from(r.start, r.valid_utf8), r.expected);
    }
}

TEST(encoding_choice_test, reads_a_file_twice_and_a_pipe_once_giving_back_every_byte) {
    // Valid UTF-8 until its very last bytes: the choice needs the whole input.
    const std::string ascii_then_gbk = std::string(300000, 'a') + "\r\n\xCA\xBE\xC0\xFD";
    const std::string utf8 = "\xE7\xA4\xBA " + std::string(200000, '1');
    struct row {
        const char* label;
        std::string bytes;
        bool rewindable;
        input_encoding expected;
    };
    const std::vector<row> rows = {
        {"file, gbk at the end", ascii_then_gbk, true, input_encoding::gbk},
        {"pipe, gbk at the end", ascii_then_gbk, false, input_encoding::gbk},
        {"pipe, utf-8", utf8, false, input_encoding::utf8},
        {"pipe, gbk at once", "\xCA\xBE\xC0\xFD" + utf8, false, input_encoding::gbk},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        string_source source(r.bytes, 1000, r.rewindable);
        encoding_choice choice(source);
        ASSERT_TRUE(choice.encoding()) << choice.failure_reason();
        EXPECT_EQ(*choice.encoding(), r.expected);
        const std::string read = testing::read_all(choice.stream());
        EXPECT_EQ(read.size(), r.bytes.size());
        EXPECT_TRUE(read == r.bytes);
    }
}

TEST(encoding_choice_test, a_read_failure_is_no_choice) {
    string_source source(std::string(10000, 'a'), 100, false);
    source.fail_after(5000);
    encoding_choice choice(source);
    EXPECT_FALSE(choice.encoding());
    EXPECT_EQ(choice.failure_reason(), "device gone");
}

}  // namespace
}  // namespace batchvcf::txt2vcf
