#include <pthread.h>

#include "platform/thread_with_stack.h"

namespace qb {
namespace {

struct Call {
  void (*work)(void *);
  void *argument;
};

void *start(void *call) {
  const Call &c = *static_cast<Call *>(call);
  c.work(c.argument);
  return nullptr;
}

}  // namespace

bool run_on_thread_with_stack(std::size_t stack_bytes, void (*work)(void *), void *argument) {
  Call call{work, argument};
  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0) return false;
  pthread_t thread;
  const bool started = pthread_attr_setstacksize(&attributes, stack_bytes) == 0 &&
                       pthread_create(&thread, &attributes, start, &call) == 0;
  pthread_attr_destroy(&attributes);
  if (started) pthread_join(thread, nullptr);
  return started;
}

}  // namespace qb
