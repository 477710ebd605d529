#include "app/fatal_error.h"

#include <cstdlib>
#include <string>

#include "app/event_gate.h"
#include "app/exit_routines.h"
#include "app/program.h"
#include "app/shell_platform.h"
#include "app/system_texts.h"

namespace batchvcf {
namespace {

bool reporting = false;

// Marks the report as running. The process normally ends inside it; only a platform that hands
// control back by unwinding (a test's) ever leaves the scope, and the next report must run whole.
struct reporting_scope {
    reporting_scope() noexcept { reporting = true; }
    ~reporting_scope() { reporting = false; }
    reporting_scope(const reporting_scope&) = delete;
    reporting_scope& operator=(const reporting_scope&) = delete;
};

}  // namespace

void report_fatal_error(std::int32_t code, std::string_view message) {
    shell_platform& platform = current_platform();
    // A failure while the report itself runs (say, an exit routine's storage) must not loop.
    if (reporting) platform.exit_process(-1);
    const reporting_scope scope;
    raise_event_gate();

    // Built in the standard string rather than a text: a text would take its storage through the
    // very path that may have failed.
    std::string report(texts::fatal_heading);
    if (code != 0) {
        report.append(texts::fatal_code_label);
        report.append(std::to_string(code));
        report.append(texts::line_break);
        report.append(texts::line_break);
    }
    if (!message.empty()) {
        report.append(texts::fatal_message_label);
        report.append(message);
        report.append(texts::line_break);
    }
    platform.show_error_box(report);
    drop_exit_routines();
    run_end_procedure();
    platform.exit_process(-1);
    std::exit(-1);  // only reached if a platform's exit returned
}

void report_storage_exhausted(std::size_t bytes) {
    std::string message(texts::storage_exhausted_before);
    message.append(std::to_string(bytes));
    message.append(texts::storage_exhausted_after);
    report_fatal_error(0, message);
}

}  // namespace batchvcf
