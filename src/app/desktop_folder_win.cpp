#include <windows.h>
// windows.h first: the shell headers rely on its types.
#include <knownfolders.h>
#include <shlobj.h>

#include <string_view>

#include "app/desktop_folder.h"
#include "app/system_texts.h"
#include "text/code_page.h"

namespace batchvcf {

text system_desktop_folder() {
    PWSTR folder = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Desktop, 0, nullptr, &folder))) {
        text folder_gbk = gbk_from_utf16(reinterpret_cast<const char16_t*>(folder));
        CoTaskMemFree(folder);
        return folder_gbk;
    }
    CoTaskMemFree(folder);
    // No desktop known to the system: the program's own constant, which a failed write will
    // then name in its message.
    return text(texts::fixed_desktop_folder);
}

}  // namespace batchvcf
