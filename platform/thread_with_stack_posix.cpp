#include <pthread.h>

#include <new>

#include "platform/thread_with_stack.h"

namespace qb {

struct StackThread {
  void (*work)(void *);
  void *argument;
  pthread_t thread;
};

namespace {

void *start(void *self) {
  const StackThread &t = *static_cast<StackThread *>(self);
  t.work(t.argument);
  return nullptr;
}

}  // namespace

StackThread *start_thread_with_stack(std::size_t stack_bytes, void (*work)(void *), void *argument) {
  auto *t = new (std::nothrow) StackThread{work, argument, {}};
  if (t == nullptr) return nullptr;
  pthread_attr_t attributes;
  bool started = false;
  if (pthread_attr_init(&attributes) == 0) {
    started = pthread_attr_setstacksize(&attributes, stack_bytes) == 0 &&
              pthread_create(&t->thread, &attributes, start, t) == 0;
    pthread_attr_destroy(&attributes);
  }
  if (started) return t;
  delete t;
  return nullptr;
}

void join_thread(StackThread *thread) {
  pthread_join(thread->thread, nullptr);
  delete thread;
}

}  // namespace qb
