#include "run_support.h"

#include <cstdio>

#include "stream_doubles.h"
#include "txt2vcf/run.h"

namespace batchvcf::txt2vcf::testing {

run_outcome run(const std::vector<std::string>& arguments, const std::string& input,
                bool rewindable) {
    string_source in(input, 1 << 20, rewindable);
    string_sink out;
    string_sink err;
    run_outcome outcome;
    outcome.status = run_txt2vcf(arguments, in, out, err);
    outcome.out = out.bytes;
    outcome.err = err.bytes;
    return outcome;
}

std::string card(const std::string& name_utf8, const std::string& number_utf8) {
    std::string name;
    for (const char byte : name_utf8) {
        char escaped[4];
        std::snprintf(escaped, sizeof escaped, "=%02X", static_cast<unsigned char>(byte));
        name += escaped;
    }
    return "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;" + name +
           ";;;\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" + name +
           "\r\nTEL;WORK;PREF:" + number_utf8 + "\r\nEND:VCARD\r\n";
}

std::string utf8_path(const std::filesystem::path& path) {
    const std::u8string bytes = path.u8string();
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace batchvcf::txt2vcf::testing
