// The trace checker: a script's expectations are its `# CHECK...:` comment
// lines, matched in order against what qbhost printed, in the manner of LLVM's
// FileCheck (see tests/trace/README.md for the syntax).
#pragma once

#include <string>
#include <vector>

namespace trace_check {

enum class Kind { Check, Next, Not, Stderr, Exit };

struct Expectation {
  Kind kind = Kind::Check;
  bool part = false;  // the text may stand anywhere in the line instead of being the whole line
  std::string text;
  int line = 0;  // 1-based line of the script
};

struct Expectations {
  std::vector<Expectation> list;
  std::vector<std::string> errors;  // "LINE: message" for directives that do not parse
};

struct Output {
  std::vector<std::string> out;  // standard output, one entry per line
  std::vector<std::string> err;  // standard error
  int status = 0;
};

struct Failure {
  int line = 0;  // script line of the failing expectation (0: none, e.g. an unstated command)
  std::string message;
  int from = 0;  // output lines [from, to) are shown around it
  int to = 0;
  int mark = -1;  // the output line the message points at
};

// What each expectation matched (output index, or -1) and every failure.
struct Result {
  std::vector<int> matched;
  std::vector<Failure> failures;
  bool passed() const { return failures.empty(); }
};

// Every output line that starts with this must be matched by a whole-line
// CHECK or CHECK-NEXT: the commands a module sends, and their order, are
// always stated in full.
inline constexpr const char *kAlwaysStated = "cmd ";

// The system a trace runs on: it decides the path separator placeholders.
enum class System { Posix, Windows };

// `[[SEP]]` is the system's path separator (/ or \) and `[[QSEP]]` the same
// as qbhost prints it inside a quoted text (/ or \\), so that a trace whose
// output differs between systems only in separators is written once.
std::string fill_separators(std::string text, System system);

std::vector<std::string> split_lines(const std::string &text);
// The expectations, with separator placeholders filled for `system`.
Expectations parse(const std::vector<std::string> &script, System system = System::Posix);
Result check(const Expectations &expectations, const Output &output);

// A report of the failures: each expectation with its script line, then the
// output around where it looked.
std::string report(const std::string &script_name, const Expectations &expectations, const Result &result,
                   const Output &output);

// The script with its failing expectations rewritten from what was printed
// in their place, unstated commands added, and the standard error and exit
// status stated anew.  CHECK-NOT failures cannot be rewritten: they stay, and
// `unfixed` counts them.
std::vector<std::string> update(const std::vector<std::string> &script, const Expectations &expectations,
                                const Output &output, int &unfixed);

}  // namespace trace_check
