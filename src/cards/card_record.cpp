#include "cards/card_record.h"

namespace batchvcf {

void append_quoted_printable(text& out, std::string_view utf8) {
    static constexpr char hex[] = "0123456789ABCDEF";
    const std::size_t start = out.size();
    out.resize(start + 3 * utf8.size());
    char* cursor = out.data() + start;
    for (const char byte : utf8) {
        const auto value = static_cast<unsigned char>(byte);
        *cursor++ = '=';
        *cursor++ = hex[value >> 4];
        *cursor++ = hex[value & 0xF];
    }
}

void append_card_record_utf8(text& out, std::string_view name_utf8, std::string_view number_utf8) {
    using namespace std::string_view_literals;
    out.append("BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;"sv);
    append_quoted_printable(out, name_utf8);
    out.append(";;;\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:"sv);
    append_quoted_printable(out, name_utf8);
    out.append("\r\nTEL;WORK;PREF:"sv);
    out.append(number_utf8);
    out.append("\r\nEND:VCARD\r\n"sv);
}

}  // namespace batchvcf
