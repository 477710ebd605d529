#pragma once
// The system's own words for a failed call, for the messages that tell the user why a file could
// not be read or written.

#include "text/text.h"

namespace batchvcf {

// The description of `error_code` (errno on POSIX, GetLastError() on Windows) as code page 936,
// without a trailing line break or full stop; empty when the system has none.
text system_reason(int error_code);

}  // namespace batchvcf
