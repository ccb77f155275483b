// A thread with a stack of a chosen size, for work that needs more stack than
// the host's interface thread has (the regular-expression engine recurses
// once per character).  The standard library's threads cannot be given a
// stack size, so each system's own call makes it.
#pragma once

#include <cstddef>

namespace qb {

// A running thread, from start_thread_with_stack until join_thread.
struct StackThread;

// Starts work(argument) on a new thread with `stack_bytes` of stack and
// returns at once; null when the thread cannot be made (work does not run).
// work must not let an exception escape.
StackThread *start_thread_with_stack(std::size_t stack_bytes, void (*work)(void *), void *argument);

// Waits for the thread to end and frees it.
void join_thread(StackThread *thread);

}  // namespace qb
