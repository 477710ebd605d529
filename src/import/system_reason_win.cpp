#include "import/system_reason.h"

#include <windows.h>

#include <string_view>

#include "text/code_page.h"

namespace batchvcf {

text system_reason(int error_code) {
    wchar_t buffer[512];
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, static_cast<DWORD>(error_code), 0, buffer,
                                        static_cast<DWORD>(std::size(buffer)), nullptr);
    std::u16string_view description(reinterpret_cast<const char16_t*>(buffer), length);
    // The system ends its texts with a full stop and a line break; our messages add their own.
    while (!description.empty() && (description.back() == u'\r' || description.back() == u'\n' ||
                                    description.back() == u' ' || description.back() == u'.'))
        description.remove_suffix(1);
    return gbk_from_utf16(description);
}

}  // namespace batchvcf
