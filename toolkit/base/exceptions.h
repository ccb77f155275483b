// The tool library's exceptions.  Both are raised only after their message
// has been shown in the host's status line.
#pragma once

#include <string>

namespace lw::ex {

class CBaseEx {
 public:
  CBaseEx(int code, std::string message) : code(code), message(std::move(message)) {}
  virtual ~CBaseEx() = default;
  CBaseEx(const CBaseEx &) = default;
  CBaseEx &operator=(const CBaseEx &) = default;

  int code;
  std::string message;
};

// A command that was not evaluated (an empty command text).
class CEvalEx : public CBaseEx {
 public:
  using CBaseEx::CBaseEx;
};

}  // namespace lw::ex
