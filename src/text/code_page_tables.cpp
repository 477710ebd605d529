#include "text/code_page_tables.h"

#include <vector>

namespace batchvcf::code_page_detail {
namespace {

// The two-byte cells where GB18030-2000 gives a standard character and code page 936 a
// private-use one (or, for 0xA2E3, the euro sign that 936 keeps at 0x80). GB18030 numbers its
// four-byte BMP sequences through every character its one- and two-byte forms leave out, so
// these cells decide which characters the four-byte range holds.
struct gb18030_cell {
    std::uint16_t pair;
    char16_t value;
};
constexpr gb18030_cell gb18030_cells[] = {
    {0xA2E3, 0x20AC}, {0xA8BF, 0x01F9}, {0xA989, 0x303E}, {0xA98A, 0x2FF0}, {0xA98B, 0x2FF1},
    {0xA98C, 0x2FF2}, {0xA98D, 0x2FF3}, {0xA98E, 0x2FF4}, {0xA98F, 0x2FF5}, {0xA990, 0x2FF6},
    {0xA991, 0x2FF7}, {0xA992, 0x2FF8}, {0xA993, 0x2FF9}, {0xA994, 0x2FFA}, {0xA995, 0x2FFB},
    {0xFE50, 0x2E81}, {0xFE54, 0x2E84}, {0xFE55, 0x3473}, {0xFE56, 0x3447}, {0xFE57, 0x2E88},
    {0xFE58, 0x2E8B}, {0xFE5A, 0x359E}, {0xFE5B, 0x361A}, {0xFE5C, 0x360E}, {0xFE5D, 0x2E8C},
    {0xFE5E, 0x2E97}, {0xFE5F, 0x396E}, {0xFE60, 0x3918}, {0xFE62, 0x39CF}, {0xFE63, 0x39DF},
    {0xFE64, 0x3A73}, {0xFE65, 0x39D0}, {0xFE68, 0x3B4E}, {0xFE69, 0x3C6E}, {0xFE6A, 0x3CE0},
    {0xFE6B, 0x2EA7}, {0xFE6E, 0x2EAA}, {0xFE6F, 0x4056}, {0xFE70, 0x415F}, {0xFE71, 0x2EAE},
    {0xFE72, 0x4337}, {0xFE73, 0x2EB3}, {0xFE74, 0x2EB6}, {0xFE75, 0x2EB7}, {0xFE77, 0x43B1},
    {0xFE78, 0x43AC}, {0xFE79, 0x2EBB}, {0xFE7A, 0x43DD}, {0xFE7B, 0x44D6}, {0xFE7C, 0x4661},
    {0xFE7D, 0x464C}, {0xFE80, 0x4723}, {0xFE81, 0x4729}, {0xFE82, 0x477C}, {0xFE83, 0x478D},
    {0xFE84, 0x2ECA}, {0xFE85, 0x4947}, {0xFE86, 0x497A}, {0xFE87, 0x497D}, {0xFE88, 0x4982},
    {0xFE89, 0x4983}, {0xFE8A, 0x4985}, {0xFE8B, 0x4986}, {0xFE8C, 0x499F}, {0xFE8D, 0x499B},
    {0xFE8E, 0x49B7}, {0xFE8F, 0x49B6}, {0xFE92, 0x4CA3}, {0xFE93, 0x4C9F}, {0xFE94, 0x4CA0},
    {0xFE95, 0x4CA1}, {0xFE96, 0x4C77}, {0xFE97, 0x4CA2}, {0xFE98, 0x4D13}, {0xFE99, 0x4D14},
    {0xFE9A, 0x4D15}, {0xFE9B, 0x4D16}, {0xFE9C, 0x4D17}, {0xFE9D, 0x4D18}, {0xFE9E, 0x4D19},
    {0xFE9F, 0x4DAE}};

constexpr bool is_surrogate(std::uint32_t code_point) noexcept {
    return code_point >= 0xD800 && code_point <= 0xDFFF;
}

char16_t cell_of(const pair_table& table, std::uint16_t pair) noexcept {
    return table.pair(static_cast<unsigned char>(pair >> 8), static_cast<unsigned char>(pair));
}

void derive_four_byte(const pair_table& table, std::array<char16_t, four_byte_bmp_count>& values) {
    // What GB18030-2000 covers with one or two bytes; the four-byte range is the rest, in order.
    std::vector<bool> covered(0x10000, false);
    for (std::uint32_t c = 0; c < 0x80; ++c) covered[c] = true;
    for (const char16_t value : table.pairs) covered[value] = true;
    for (const gb18030_cell& cell : gb18030_cells) {
        covered[cell_of(table, cell.pair)] = false;
        covered[cell.value] = true;
    }
    std::vector<std::uint16_t> index_of(0x10000, 0);
    std::uint32_t count = 0;
    for (std::uint32_t c = 0x80; c < 0x10000 && count < four_byte_bmp_count; ++c) {
        if (!covered[c] && !is_surrogate(c)) {
            index_of[c] = static_cast<std::uint16_t>(count);
            values[count++] = static_cast<char16_t>(c);
        }
    }

    // Code page 936 reaches the private-use characters of those cells with two bytes already,
    // and not the standard characters GB18030 put there; the four-byte sequence of each such
    // private-use character therefore stands for the standard one instead (as GB18030-2005 did
    // for 0xA8BC), so every BMP character has a form.
    std::vector<bool> by_936(0x10000, false);
    for (std::uint32_t c = 0; c < 0x80; ++c) by_936[c] = true;
    for (const char16_t value : table.single) by_936[value] = true;
    for (const char16_t value : table.pairs) by_936[value] = true;
    for (const gb18030_cell& cell : gb18030_cells) {
        const char16_t private_use = cell_of(table, cell.pair);
        if (!by_936[cell.value] && private_use != 0 && index_of[private_use] < count &&
            values[index_of[private_use]] == private_use) {
            values[index_of[private_use]] = cell.value;
        }
    }
}

}  // namespace

const pair_table& two_byte_table() {
    static pair_table table;
    static const bool filled = (fill_from_platform(table), true);
    (void)filled;
    return table;
}

const std::array<char16_t, four_byte_bmp_count>& four_byte_table() {
    static std::array<char16_t, four_byte_bmp_count> values{};
    static const bool derived = (derive_four_byte(two_byte_table(), values), true);
    (void)derived;
    return values;
}

const std::array<packed_bytes, 0x10000>& encode_table() {
    static std::array<packed_bytes, 0x10000> forms{};
    static const bool built = [] {
        // Shortest form first: ASCII, the lone bytes, the pairs, then the four-byte range for
        // whatever code page 936 cannot write.
        for (std::uint32_t c = 0; c < 0x80; ++c) forms[c] = {c, 1};
        const pair_table& table = two_byte_table();
        for (std::uint32_t byte = 0x80; byte < 0x100; ++byte) {
            const char16_t value = table.single[byte];
            if (value != 0 && forms[value].count == 0) forms[value] = {byte, 1};
        }
        for (std::uint32_t lead = 0x81; lead <= 0xFE; ++lead) {
            for (std::uint32_t trail = 0x40; trail <= 0xFE; ++trail) {
                const char16_t value = table.pairs[(lead - 0x81) * 256 + trail];
                if (value != 0 && forms[value].count == 0) forms[value] = {lead | trail << 8, 2};
            }
        }
        const auto& four = four_byte_table();
        for (std::uint32_t index = 0; index < four_byte_bmp_count; ++index) {
            const char16_t value = four[index];
            if (value != 0 && forms[value].count == 0) forms[value] = four_byte_form(index);
        }
        return true;
    }();
    (void)built;
    return forms;
}

}  // namespace batchvcf::code_page_detail
