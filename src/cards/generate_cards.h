#pragma once
// Handler of the generate button.

namespace batchvcf {

// Click on 按钮2: one vCard 2.1 record per stored line appended to card_text, the whole of it
// written to the card file, the outcome told in a message box.
void generate_cards();

}  // namespace batchvcf
