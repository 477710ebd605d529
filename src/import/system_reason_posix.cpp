#include "import/system_reason.h"

#include <cstring>

#include "text/code_page.h"

namespace batchvcf {

text system_reason(int error_code) {
    // strerror's text is in the locale's encoding, which on the systems we run on is UTF-8 (or
    // plain ASCII in the C locale). Everything runs on the one user-interface thread.
    const char* description = std::strerror(error_code);
    if (description == nullptr) return {};
    return gbk_from_utf8(description);
}

}  // namespace batchvcf
