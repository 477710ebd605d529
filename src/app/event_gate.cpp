#include "app/event_gate.h"

namespace batchvcf {
namespace {
// Touched only on the user-interface thread.
int gate_count = 0;
}  // namespace

void raise_event_gate() noexcept {
    ++gate_count;
}
void lower_event_gate() noexcept {
    if (gate_count > 0) --gate_count;
}
bool event_gate_raised() noexcept {
    return gate_count > 0;
}

void dispatch_event(event_handler handler) {
    if (event_gate_raised() || handler == nullptr) return;
    handler();
}

}  // namespace batchvcf
