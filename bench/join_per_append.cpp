// join_per_append_bench INPUT OUTPUT: the card generation done literally, every append one new
// join of the whole card text so far and the new pieces. Each join copies everything made
// before, so the time grows with the square of the line count.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "cards/name_encoding.h"
#include "text/text.h"

int main(int argc, char** argv) {
    using namespace batchvcf;
    if (argc != 3) {
        std::fprintf(stderr, "usage: join_per_append_bench INPUT OUTPUT\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string file_text{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
    const text_array lines = divide_text(file_text, "\r\n");
    text card_text;
    for (std::int32_t i = 1; i <= element_count(lines); ++i) {
        const text_array fields = divide_text(element_at(lines, i), " ");
        if (element_count(fields) < 2) continue;
        const text name = encode_name(element_at(fields, 1));
        card_text = join_texts(card_text, "BEGIN:VCARD\r\nVERSION:2.1\r\n");
        card_text =
            join_texts(card_text, "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;", name, ";;;\r\n");
        card_text =
            join_texts(card_text, "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:", name, "\r\n");
        card_text = join_texts(card_text, "TEL;WORK;PREF:", element_at(fields, 2), "\r\n");
        card_text = join_texts(card_text, "END:VCARD\r\n");
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(card_text.data(), static_cast<std::streamsize>(card_text.size()));
    return out ? 0 : 1;
}
