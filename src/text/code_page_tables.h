#pragma once
// The tables behind the code page 936 conversions, built once on first use and shared by every
// thread afterwards (read only). The one- and two-byte part comes from the platform's own
// converter; the GB18030 four-byte part and the way back to code page 936 are derived from it
// here, so both platforms hold identical tables.

#include <array>
#include <cstdint>

namespace batchvcf::code_page_detail {

// How code page 936 reads each byte and each byte pair; 0 marks "not a character".
struct pair_table {
    // 0x00-0x7F are ASCII; of the bytes above, only those that stand alone (0x80, 0xFF) are set.
    std::array<char16_t, 256> single{};
    // Index (lead - 0x81) * 256 + trail, for leads 0x81-0xFE.
    std::array<char16_t, 126 * 256> pairs{};

    char16_t pair(unsigned char lead, unsigned char trail) const noexcept {
        return pairs[(lead - 0x81u) * 256u + trail];
    }
};

// Filled from the platform converter (iconv on Linux, MultiByteToWideChar on Windows): every
// cell exactly as Windows' code page 936 converts it.
void fill_from_platform(pair_table& table);

// Four-byte sequences b1 b2 b3 b4 (b1, b3 in 0x81-0xFE; b2, b4 in 0x30-0x39) count linearly from
// 0x81 0x30 0x81 0x30; the first 39420 of them stand for BMP characters.
inline constexpr std::uint32_t four_byte_bmp_count = 39420;
// Where the supplementary planes start: 0x90 0x30 0x81 0x30.
inline constexpr std::uint32_t four_byte_supplementary_base = (0x90 - 0x81) * 12600;

// A code page 936 form, at most four bytes, packed from the low byte up.
struct packed_bytes {
    std::uint32_t bytes = 0;
    std::uint8_t count = 0;
};

// The four-byte sequence with the given linear index.
constexpr packed_bytes four_byte_form(std::uint32_t index) noexcept {
    const std::uint32_t b1 = 0x81 + index / 12600;
    const std::uint32_t b2 = 0x30 + index / 1260 % 10;
    const std::uint32_t b3 = 0x81 + index / 10 % 126;
    const std::uint32_t b4 = 0x30 + index % 10;
    return {b1 | b2 << 8 | b3 << 16 | b4 << 24, 4};
}

const pair_table& two_byte_table();
// The BMP character of each four-byte index below four_byte_bmp_count.
const std::array<char16_t, four_byte_bmp_count>& four_byte_table();
// The code page 936 form of every BMP character (surrogates included, as count 0).
const std::array<packed_bytes, 0x10000>& encode_table();

}  // namespace batchvcf::code_page_detail
