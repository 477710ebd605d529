#include "cards/card_file.h"

#include "app/desktop_folder.h"
#include "app/system_texts.h"

namespace batchvcf {

text card_file_path() {
    return join_texts(desktop_folder(), path_separator, texts::card_file_name);
}

}  // namespace batchvcf
