#pragma once
// Routines run once, in the order registered, by the normal end procedure.

namespace batchvcf {

using exit_routine = void (*)();

// Appends `routine` unless it is already registered, so it runs at most once.
void register_exit_routine(exit_routine routine);
// Runs every registered routine in order, then empties the list.
void run_exit_routines();
// Empties the list without running anything (the fatal path).
void drop_exit_routines() noexcept;
int registered_exit_routine_count() noexcept;

}  // namespace batchvcf
