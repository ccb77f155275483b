// A thread with a stack of a chosen size, for work that needs more stack than
// the host's interface thread has (the regular-expression engine recurses
// once per character).  The standard library's threads cannot be given a
// stack size, so each system's own call makes it.
#pragma once

#include <cstddef>

namespace qb {

// Runs work(argument) on a new thread with `stack_bytes` of stack and waits
// for it to end.  False when the thread cannot be made (work did not run).
// work must not let an exception escape.
bool run_on_thread_with_stack(std::size_t stack_bytes, void (*work)(void *), void *argument);

}  // namespace qb
