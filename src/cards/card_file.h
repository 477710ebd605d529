#pragma once
// Where the card file goes.

#include "text/text.h"

namespace batchvcf {

// The desktop of the user running the program, the platform's separator and "批量VCF.vcf", as
// code page 936.
text card_file_path();

}  // namespace batchvcf
