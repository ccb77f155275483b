#include "toolkit/text/deep_stack.h"

#include <pthread.h>

#include <cstdint>
#include <exception>

namespace qb {
namespace {

// Headroom kept free on the calling thread for everything around the work.
constexpr std::size_t kCallerReserve = 256 * 1024;

struct HelperJob {
  const std::function<void()> *body;
  std::exception_ptr error;
};

void *run_helper(void *arg) {
  auto *job = static_cast<HelperJob *>(arg);
  try {
    (*job->body)();
  } catch (...) {
    job->error = std::current_exception();
  }
  return nullptr;
}

// The lowest address of the calling thread's stack, asked once per thread:
// for the main thread the system finds it by reading the process's memory
// map, which costs far more than the matches it guards.
std::uintptr_t stack_low() {
  thread_local const std::uintptr_t low = [] {
    pthread_attr_t attr;
    if (pthread_getattr_np(pthread_self(), &attr) != 0) return std::uintptr_t{0};
    void *base = nullptr;
    std::size_t size = 0;
    const int rc = pthread_attr_getstack(&attr, &base, &size);
    pthread_attr_destroy(&attr);
    return rc != 0 ? std::uintptr_t{0} : reinterpret_cast<std::uintptr_t>(base);
  }();
  return low;
}

}  // namespace

std::size_t stack_left() {
  const std::uintptr_t low = stack_low();
  if (low == 0) return 0;
  char here;
  const auto current = reinterpret_cast<std::uintptr_t>(&here);
  return current > low ? current - low : 0;
}

void run_with_stack(std::size_t bytes, const std::function<void()> &body) {
  if (bytes + kCallerReserve <= stack_left()) {
    body();
    return;
  }
  if (bytes > kMaxHelperStack) throw std::length_error("text too long to match");

  pthread_attr_t attr;
  pthread_attr_init(&attr);
  std::size_t size = bytes + kCallerReserve;
  size = (size + 0xFFFF) & ~std::size_t(0xFFFF);
  pthread_attr_setstacksize(&attr, size);
  HelperJob job{&body, nullptr};
  pthread_t thread;
  int rc = pthread_create(&thread, &attr, run_helper, &job);
  pthread_attr_destroy(&attr);
  if (rc != 0) throw std::runtime_error("no stack for matching a long text");
  pthread_join(thread, nullptr);
  if (job.error) std::rethrow_exception(job.error);
}

}  // namespace qb
