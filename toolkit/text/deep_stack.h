// Running work that needs more stack than the host's thread may have.
//
// The standard library's regular-expression matcher recurses once per
// character it consumes, a few hundred bytes a level, so a long item name can
// exhaust the stack of the host's interface thread.  Matching asks for the
// stack it will need; when the calling thread has less left, the match runs
// on a helper thread with a stack of that size, and the caller waits.
#pragma once

#include <cstddef>
#include <functional>
#include <stdexcept>

namespace qb {

// Largest stack a helper thread is given (virtual memory; only the pages the
// work touches are committed).
inline constexpr std::size_t kMaxHelperStack = std::size_t(1) << 30;

// Bytes of stack left below the current frame of the calling thread (0 when
// the system cannot tell).
std::size_t stack_left();

// Runs body with at least `bytes` of stack; exceptions thrown by body reach
// the caller.  Throws std::length_error when `bytes` exceeds kMaxHelperStack,
// and std::runtime_error when no helper thread can be started.
void run_with_stack(std::size_t bytes, const std::function<void()> &body);

}  // namespace qb
