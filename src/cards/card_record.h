#pragma once
// One vCard 2.1 record, the form every card file of the program is made of:
//   BEGIN:VCARD / VERSION:2.1 / N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;<name>;;; /
//   FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:<name> / TEL;WORK;PREF:<number> / END:VCARD
// each line ended by CR LF, never folded. <name> is every UTF-8 byte of the name as "=" and two
// upper-case hexadecimal digits (RFC 2045 quoted-printable with every byte escaped); <number> is
// its UTF-8 bytes unescaped.

#include <string_view>

#include "text/text.h"

namespace batchvcf {

// Appends "=XX" for every byte of `utf8`.
void append_quoted_printable(text& out, std::string_view utf8);

// Appends the record of a name and a number that are already UTF-8.
void append_card_record_utf8(text& out, std::string_view name_utf8, std::string_view number_utf8);

}  // namespace batchvcf
