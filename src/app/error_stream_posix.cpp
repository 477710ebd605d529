#include <cstdio>
#include <string>

#include "app/error_stream.h"
#include "text/code_page.h"

namespace batchvcf {

void write_to_error_stream(std::string_view message_gbk) {
    const std::string readable = utf8_from_gbk(message_gbk);
    std::fwrite(readable.data(), 1, readable.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace batchvcf
