#include <windows.h>

#include <new>

#include "platform/thread_with_stack.h"

namespace qb {

struct StackThread {
  void (*work)(void *);
  void *argument;
  HANDLE handle;
};

namespace {

DWORD WINAPI start(LPVOID self) {
  const StackThread &t = *static_cast<StackThread *>(self);
  t.work(t.argument);
  return 0;
}

}  // namespace

StackThread *start_thread_with_stack(std::size_t stack_bytes, void (*work)(void *), void *argument) {
  auto *t = new (std::nothrow) StackThread{work, argument, nullptr};
  if (t == nullptr) return nullptr;
  // The size is reserved, not committed: pages are committed as the stack grows.
  t->handle = CreateThread(nullptr, stack_bytes, start, t, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (t->handle != nullptr) return t;
  delete t;
  return nullptr;
}

void join_thread(StackThread *thread) {
  WaitForSingleObject(thread->handle, INFINITE);
  CloseHandle(thread->handle);
  delete thread;
}

}  // namespace qb
