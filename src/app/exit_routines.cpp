#include "app/exit_routines.h"

#include <algorithm>
#include <vector>

namespace batchvcf {
namespace {
std::vector<exit_routine>& routines() {
    static std::vector<exit_routine> list;
    return list;
}
}  // namespace

void register_exit_routine(exit_routine routine) {
    auto& list = routines();
    if (std::find(list.begin(), list.end(), routine) == list.end()) list.push_back(routine);
}

void run_exit_routines() {
    // Taken out first, so a routine that ends the program can't run the list a second time.
    std::vector<exit_routine> list;
    list.swap(routines());
    for (exit_routine routine : list) routine();
}

void drop_exit_routines() noexcept {
    routines().clear();
}

int registered_exit_routine_count() noexcept {
    return static_cast<int>(routines().size());
}

}  // namespace batchvcf
