// Trap functions for the record slots the module has no business calling.
// Every such slot of a record qbhost serves holds a function of the slot's
// own type that reports the call and ends the run with exit status 3, so a
// module that reaches for the wrong member is caught at the call, never
// through a null pointer:
//
//   record.lookAhead = QBHOST_TRAP(LWItemInfo, lookAhead);
#pragma once

#include <cstddef>

namespace qbhost {

// "RECORD.MEMBER" as a template argument.
template <std::size_t N>
struct SlotName {
  char text[N];
  constexpr SlotName(const char (&name)[N]) {
    for (std::size_t i = 0; i < N; ++i) text[i] = name[i];
  }
};

// Prints "host: unexpected call of SLOT" on standard error, flushes the
// trace, and ends the process with status 3.  It does not throw: the call
// comes from inside the module, whose own catch-all boundaries would swallow
// an exception and carry on as if the host had answered.
[[noreturn]] void unexpected_call(const char *slot);

template <typename F>
struct Trap;

template <typename R, typename... Args>
struct Trap<R (*)(Args...)> {
  template <SlotName Name>
  static R call(Args...) {
    unexpected_call(Name.text);
  }
};

}  // namespace qbhost

#define QBHOST_TRAP(Record, member) \
  (::qbhost::Trap<decltype(Record::member)>::template call<#Record "." #member>)
