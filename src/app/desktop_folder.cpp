#include "app/desktop_folder.h"

namespace batchvcf {
namespace {

text& overriding_folder() {
    static text folder;
    return folder;
}

}  // namespace

text desktop_folder() {
    const text& folder = overriding_folder();
    if (!folder.empty()) return folder;
    return system_desktop_folder();
}

void override_desktop_folder(std::string_view folder_gbk) {
    overriding_folder() = text(folder_gbk);
}

}  // namespace batchvcf
