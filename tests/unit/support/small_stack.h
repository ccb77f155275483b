// Test helpers: running code on a thread with a small stack, as the host's
// interface thread may have, and recognising a match refused as too complex.
#pragma once

#include <pthread.h>

#include <cstddef>
#include <functional>
#include <regex>

namespace qbtest {

// Runs body on a new thread made with `attr` and waits for it; false when the
// thread cannot be made.  Destroys `attr`.
inline bool run_thread(pthread_attr_t &attr, const std::function<void()> &body) {
  pthread_t thread;
  auto run = [](void *arg) -> void * {
    (*static_cast<const std::function<void()> *>(arg))();
    return nullptr;
  };
  const bool started = pthread_create(&thread, &attr, run, const_cast<std::function<void()> *>(&body)) == 0;
  pthread_attr_destroy(&attr);
  if (started) pthread_join(thread, nullptr);
  return started;
}

// False when the thread cannot be made.
inline bool on_stack_of(std::size_t bytes, const std::function<void()> &body) {
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setstacksize(&attr, bytes);
  return run_thread(attr, body);
}

inline bool too_complex(const std::function<void()> &match) {
  try {
    match();
  } catch (const std::regex_error &error) {
    return error.code() == std::regex_constants::error_complexity;
  }
  return false;
}

}  // namespace qbtest
