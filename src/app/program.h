#pragma once
// Start-up and the normal end of the window program.

namespace batchvcf {

class shell_platform;

// Always 0; the routine that does nothing before the window is built.
int start_routine();

// Raises the event gate, builds the main window through the platform, lowers the gate and shows
// the window. False when the window can't be built.
bool load_main_window();

// Dispatches window messages and control events through the platform until the quit request.
void run_message_loop();

// Platform start, program state, exit routine, start routine, main window, message loop; returns
// 0 once the loop has ended. A failed step ends the program through the fatal report.
int program_main();

// Raises the event gate for good, runs the exit routines, closes what imports left open, lets
// the platform finish. Used by the normal end and, without exit routines, by the fatal report.
void run_end_procedure();

// program_main on `platform`, then the normal end; the exit code of the process (0).
int run_window_program(shell_platform& platform);

}  // namespace batchvcf
