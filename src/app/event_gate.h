#pragma once
// While the gate is raised every control event is discarded, not queued: the window's first
// texts are set without running handlers, and nothing runs once the program is ending.

namespace batchvcf {

using event_handler = void (*)();

void raise_event_gate() noexcept;
void lower_event_gate() noexcept;
bool event_gate_raised() noexcept;

// Runs `handler` to its end unless the gate is raised or there is no handler.
void dispatch_event(event_handler handler);

}  // namespace batchvcf
