#pragma once
// Conversions between code page 936 and Unicode. Code page 936 is read as Windows reads it (the
// lone byte 0x80 is the euro sign) and extended by the four-byte sequences of GB18030, so every
// host string (a path, a typed separator) goes into a text and comes back unchanged. An invalid
// byte becomes one U+FFFD and the conversion goes on after it (a lead byte whose partner is bad
// is lost alone; a well-formed four-byte sequence that stands for nothing becomes one U+FFFD);
// nothing ever stops a conversion. Unicode is written to code page 936 in its shortest form
// (U+20AC as 0x80); only what 936 cannot hold takes four bytes. Buffers are sized from the
// input, never from the system's ANSI code page. Safe to call from any thread.

#include <string>
#include <string_view>

#include "text/text.h"

namespace batchvcf {

std::u16string utf16_from_gbk(std::string_view gbk);
text gbk_from_utf16(std::u16string_view utf16);

std::string utf8_from_gbk(std::string_view gbk);
// Appends the UTF-8 form of `gbk` to `utf8`; the hot path of the name encoding.
void append_utf8_from_gbk(std::string_view gbk, text& utf8);
text gbk_from_utf8(std::string_view utf8);

// Between the two Unicode forms; an unpaired surrogate or an ill-formed UTF-8 sequence (each
// maximal bad subpart) becomes U+FFFD.
std::string utf8_from_utf16(std::u16string_view utf16);
std::u16string utf16_from_utf8(std::string_view utf8);

}  // namespace batchvcf
