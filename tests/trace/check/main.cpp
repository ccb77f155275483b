// qb_trace_check [--windows] SCRIPT STDOUT STDERR STATUS [--update NEW_SCRIPT]
// qb_trace_check [--windows] --fill SCRIPT
//
// Checks what qbhost printed for SCRIPT (its standard output and standard
// error in two files, and its exit status) against the script's CHECK lines.
// Exit 0 when every expectation holds, 1 with a report when one fails, 2 on
// bad usage or a script whose directives do not parse.  With --update it
// writes the script with its expectations brought up to date to NEW_SCRIPT
// instead, and exits 1 when a CHECK-NOT failure is left for a person to mend.
// --fill prints the script with its path separator placeholders filled, for
// qbhost to run.  --windows: the trace ran on Windows (separators are \).
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "trace_check.h"

namespace {

bool read_file(const char *path, std::string &text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  trace_check::System system = trace_check::System::Posix;
  if (argc > 1 && std::string(argv[1]) == "--windows") {
    system = trace_check::System::Windows;
    --argc;
    ++argv;
  }
  if (argc == 3 && std::string(argv[1]) == "--fill") {
    std::string script_text;
    if (!read_file(argv[2], script_text)) {
      std::cerr << "qb_trace_check: cannot read " << argv[2] << "\n";
      return 2;
    }
    for (const std::string &line : trace_check::split_lines(script_text))
      std::cout << trace_check::fill_separators(line, system) << "\n";
    return std::cout ? 0 : 2;
  }
  const bool update = argc == 7 && std::string(argv[5]) == "--update";
  if (argc != 5 && !update) {
    std::cerr << "usage: qb_trace_check [--windows] SCRIPT STDOUT STDERR STATUS [--update NEW_SCRIPT]\n"
                 "       qb_trace_check [--windows] --fill SCRIPT\n";
    return 2;
  }
  std::string script_text, out_text, err_text;
  if (!read_file(argv[1], script_text) || !read_file(argv[2], out_text) || !read_file(argv[3], err_text)) {
    std::cerr << "qb_trace_check: cannot read the script or the output files\n";
    return 2;
  }
  const std::vector<std::string> script = trace_check::split_lines(script_text);
  const trace_check::Expectations expectations = trace_check::parse(script, system);
  for (const std::string &error : expectations.errors) std::cerr << argv[1] << ":" << error << "\n";
  if (!expectations.errors.empty()) return 2;

  trace_check::Output output;
  output.out = trace_check::split_lines(out_text);
  output.err = trace_check::split_lines(err_text);
  output.status = std::atoi(argv[4]);

  if (update) {
    int unfixed = 0;
    std::ofstream out(argv[6], std::ios::binary);
    for (const std::string &line : trace_check::update(script, expectations, output, unfixed))
      out << line << "\n";
    if (!out) {
      std::cerr << "qb_trace_check: cannot write " << argv[6] << "\n";
      return 2;
    }
    if (unfixed != 0)
      std::cerr << argv[1] << ": " << unfixed << " CHECK-NOT failure(s) left to mend by hand\n";
    return unfixed == 0 ? 0 : 1;
  }
  const trace_check::Result result = trace_check::check(expectations, output);
  if (result.passed()) return 0;
  std::cout << trace_check::report(argv[1], expectations, result, output);
  return 1;
}
