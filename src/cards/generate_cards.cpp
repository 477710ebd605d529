#include "cards/generate_cards.h"

namespace batchvcf {

void generate_cards() {}

}  // namespace batchvcf
