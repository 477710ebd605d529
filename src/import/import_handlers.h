#pragma once
// Handlers of the import button and of the separator box.

namespace batchvcf {

// Click on 按钮1: choose a text file, read it whole, divide it into lines at CR LF, log it. A
// file that can't be opened or read is named in a message box and the stored lines stay.
void import_text_data();
// Every change of 编辑框1's content: echo the new separator into the log.
void echo_separator();

}  // namespace batchvcf
