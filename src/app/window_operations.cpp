#include "app/window_operations.h"

#include "app/fatal_error.h"

namespace batchvcf {
namespace {
window_operations* bound_window = nullptr;
}

window_operations& main_window() {
    // Handlers run only from the window's own events, so there is always one bound by then.
    if (bound_window == nullptr) report_fatal_error(0, "main window not bound");
    return *bound_window;
}

void bind_main_window(window_operations* window) noexcept {
    bound_window = window;
}

}  // namespace batchvcf
