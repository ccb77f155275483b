#include <windows.h>

#include "platform/thread_with_stack.h"

namespace qb {
namespace {

struct Call {
  void (*work)(void *);
  void *argument;
};

DWORD WINAPI start(LPVOID call) {
  const Call &c = *static_cast<Call *>(call);
  c.work(c.argument);
  return 0;
}

}  // namespace

bool run_on_thread_with_stack(std::size_t stack_bytes, void (*work)(void *), void *argument) {
  Call call{work, argument};
  // The size is reserved, not committed: pages are committed as the stack grows.
  HANDLE thread = CreateThread(nullptr, stack_bytes, start, &call, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (thread == nullptr) return false;
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return true;
}

}  // namespace qb
