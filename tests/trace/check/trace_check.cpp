#include "trace_check.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <set>
#include <string_view>

namespace trace_check {
namespace {

struct Directive {
  const char *name;
  Kind kind;
  bool part;
};

constexpr Directive kDirectives[] = {
    {"CHECK", Kind::Check, false},         {"CHECK-NEXT", Kind::Next, false},
    {"CHECK-NOT", Kind::Not, false},       {"CHECK-PART", Kind::Check, true},
    {"CHECK-NEXT-PART", Kind::Next, true}, {"CHECK-NOT-PART", Kind::Not, true},
    {"CHECK-STDERR", Kind::Stderr, false}, {"CHECK-EXIT", Kind::Exit, false},
};

std::string directive_name(const Expectation &e) {
  for (const Directive &d : kDirectives)
    if (d.kind == e.kind && d.part == e.part) return d.name;
  return "CHECK";
}

std::string directive_line(const Expectation &e, const std::string &text) {
  return "# " + directive_name(e) + ":" + (text.empty() ? "" : " " + text);
}

bool matches(const Expectation &e, const std::string &line) {
  return e.part ? line.find(e.text) != std::string::npos : line == e.text;
}

bool positive(const Expectation &e) { return e.kind == Kind::Check || e.kind == Kind::Next; }

std::size_t common_prefix(const std::string &a, const std::string &b) {
  std::size_t n = 0;
  while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
  return n;
}

// The line of [from, to) most like the expected text: the longest common
// prefix, the first of equals.
int closest(const std::vector<std::string> &out, int from, int to, const std::string &text) {
  int best = -1;
  std::size_t best_len = 0;
  for (int j = from; j < to; ++j) {
    const std::size_t len = common_prefix(out[static_cast<std::size_t>(j)], text);
    if (best < 0 || len > best_len) best = j, best_len = len;
  }
  return best;
}

int exit_status(const Expectations &ex) {
  int status = 0;
  for (const Expectation &e : ex.list)
    if (e.kind == Kind::Exit) std::from_chars(e.text.data(), e.text.data() + e.text.size(), status);
  return status;
}

// The matching walk.  With `repair`, a failing positive expectation is taken
// as matched at the line printed in its place, and `rewrite` gets that line
// (or nullopt to drop an expectation that has no place left).
struct Walk {
  const Expectations &ex;
  const std::vector<std::string> &out;
  bool repair = false;
  Walk(const Expectations &e, const std::vector<std::string> &o, bool r) : ex(e), out(o), repair(r) {}
  Result result;
  std::vector<std::optional<std::string>> rewrite;  // per expectation, when it changes
  std::vector<bool> drop;
  std::set<int> whole_matches;
  int n() const { return static_cast<int>(out.size()); }

  void fail(const Expectation &e, std::string message, int at, int mark) {
    Failure f;
    f.line = e.line;
    f.message = directive_line(e, e.text) + "\n  " + std::move(message);
    f.from = std::max(0, at - 3);
    f.to = std::min(n(), at + 8);
    f.mark = mark;
    result.failures.push_back(std::move(f));
  }

  void check_nots(const std::vector<std::size_t> &nots, int after, int before) {
    for (std::size_t i : nots) {
      const Expectation &e = ex.list[i];
      for (int j = after + 1; j < before; ++j)
        if (matches(e, out[static_cast<std::size_t>(j)])) {
          fail(e, "found output line " + std::to_string(j + 1) + " where it must not appear", j, j);
          break;
        }
    }
  }

  // Where a later positive expectation first matches from `pos`: the end of
  // the region a failing CHECK's own line must lie in.
  int next_anchor(std::size_t i, int pos) const {
    for (std::size_t k = i + 1; k < ex.list.size(); ++k) {
      const Expectation &e = ex.list[k];
      if (e.kind != Kind::Check) continue;
      for (int j = pos; j < n(); ++j)
        if (matches(e, out[static_cast<std::size_t>(j)])) return j;
    }
    return n();
  }

  void run() {
    const std::size_t count = ex.list.size();
    result.matched.assign(count, -1);
    rewrite.assign(count, std::nullopt);
    drop.assign(count, false);
    int last = -1;
    std::vector<std::size_t> nots;
    for (std::size_t i = 0; i < count; ++i) {
      const Expectation &e = ex.list[i];
      if (e.kind == Kind::Not) nots.push_back(i);
      if (!positive(e)) continue;
      int found = -1;
      if (e.kind == Kind::Next) {
        if (last + 1 < n() && matches(e, out[static_cast<std::size_t>(last + 1)])) found = last + 1;
      } else {
        for (int j = last + 1; j < n() && found < 0; ++j)
          if (matches(e, out[static_cast<std::size_t>(j)])) found = j;
      }
      if (found < 0) {
        const int end = e.kind == Kind::Next ? std::min(n(), last + 2) : next_anchor(i, last + 1);
        const int place = closest(out, last + 1, end, e.text);
        if (e.kind == Kind::Next)
          fail(e,
               last + 1 < n() ? "the next line (output line " + std::to_string(last + 2) + ") differs"
                              : "the output ends before it",
               last + 1, last + 1);
        else
          fail(e,
               "not found after output line " + std::to_string(last + 1) +
                   (place >= 0 ? "; the closest is output line " + std::to_string(place + 1) : ""),
               last + 1, place);
        if (!repair) break;
        if (place < 0) {
          drop[i] = true;
          continue;
        }
        rewrite[i] = out[static_cast<std::size_t>(place)];
        found = place;
      }
      check_nots(nots, last, found);
      nots.clear();
      result.matched[i] = found;
      if (!e.part || rewrite[i]) whole_matches.insert(found);
      last = found;
    }
    if (repair || result.failures.empty()) check_nots(nots, last, n());
  }
};

std::optional<Failure> unstated_command(const std::vector<std::string> &out, const std::set<int> &stated,
                                        int &index) {
  for (int j = index; j < static_cast<int>(out.size()); ++j) {
    if (out[static_cast<std::size_t>(j)].rfind(kAlwaysStated, 0) != 0 || stated.count(j) != 0) continue;
    index = j;
    Failure f;
    f.message = "output line " + std::to_string(j + 1) + " is a command the script does not state:\n  " +
                out[static_cast<std::size_t>(j)];
    f.from = std::max(0, j - 3);
    f.to = std::min(static_cast<int>(out.size()), j + 4);
    f.mark = j;
    return f;
  }
  return std::nullopt;
}

// `[[@LINE]]`, `[[@LINE+N]]` and `[[@LINE-N]]` stand for the expectation's own
// script line and the lines around it, so that an error message naming a
// script line stays right when lines are added above.
bool substitute_lines(std::string &text, int line) {
  for (std::size_t at = text.find("[[@LINE"); at != std::string::npos; at = text.find("[[@LINE", at)) {
    const std::size_t end = text.find("]]", at);
    if (end == std::string::npos) return false;
    const std::string offset = text.substr(at + 7, end - at - 7);
    int delta = 0;
    if (!offset.empty()) {
      if (offset[0] != '+' && offset[0] != '-') return false;
      const auto [stop, ec] = std::from_chars(offset.data() + 1, offset.data() + offset.size(), delta);
      if (ec != std::errc() || stop != offset.data() + offset.size()) return false;
      if (offset[0] == '-') delta = -delta;
    }
    const std::string number = std::to_string(line + delta);
    text.replace(at, end + 2 - at, number);
    at += number.size();
  }
  return true;
}

}  // namespace

std::string fill_separators(std::string text, System system) {
  const bool windows = system == System::Windows;
  const struct {
    std::string_view placeholder, value;
  } fills[] = {{"[[SEP]]", windows ? "\\" : "/"}, {"[[QSEP]]", windows ? "\\\\" : "/"}};
  for (const auto &fill : fills) {
    for (std::size_t at = text.find(fill.placeholder); at != std::string::npos;
         at = text.find(fill.placeholder, at + fill.value.size()))
      text.replace(at, fill.placeholder.size(), fill.value);
  }
  return text;
}

std::vector<std::string> split_lines(const std::string &text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

Expectations parse(const std::vector<std::string> &script, System system) {
  Expectations ex;
  for (std::size_t i = 0; i < script.size(); ++i) {
    const std::string &line = script[i];
    const int number = static_cast<int>(i) + 1;
    if (line.rfind("# CHECK", 0) != 0) continue;
    const std::size_t colon = line.find(':');
    const std::size_t blank = line.find(' ', 2);
    if (colon == std::string::npos || (blank != std::string::npos && blank < colon)) {
      ex.errors.push_back(std::to_string(number) + ": a CHECK directive needs a colon after its name");
      continue;
    }
    const std::string name = line.substr(2, colon - 2);
    const Directive *directive = nullptr;
    for (const Directive &d : kDirectives)
      if (name == d.name) directive = &d;
    if (directive == nullptr) {
      ex.errors.push_back(std::to_string(number) + ": unknown directive " + name);
      continue;
    }
    Expectation e;
    e.kind = directive->kind;
    e.part = directive->part;
    e.line = number;
    e.text = line.substr(colon + 1);
    if (!e.text.empty() && e.text[0] == ' ') e.text.erase(0, 1);
    e.text = fill_separators(std::move(e.text), system);
    if (!substitute_lines(e.text, number)) {
      ex.errors.push_back(std::to_string(number) + ": [[@LINE]] takes an offset +N or -N");
      continue;
    }
    if (e.kind == Kind::Exit) {
      int status = 0;
      const auto [end, ec] = std::from_chars(e.text.data(), e.text.data() + e.text.size(), status);
      if (ec != std::errc() || end != e.text.data() + e.text.size()) {
        ex.errors.push_back(std::to_string(number) + ": CHECK-EXIT needs a number");
        continue;
      }
    }
    if (e.part && e.text.empty()) {
      ex.errors.push_back(std::to_string(number) + ": " + name + " needs a text");
      continue;
    }
    ex.list.push_back(std::move(e));
  }
  return ex;
}

Result check(const Expectations &ex, const Output &output) {
  Walk walk(ex, output.out, false);
  walk.run();
  Result result = std::move(walk.result);
  if (!result.failures.empty()) return result;
  int index = 0;
  if (std::optional<Failure> f = unstated_command(output.out, walk.whole_matches, index)) {
    result.failures.push_back(*f);
    return result;
  }
  std::vector<std::string> err;
  int first_err_line = 0;
  for (const Expectation &e : ex.list)
    if (e.kind == Kind::Stderr) {
      err.push_back(e.text);
      if (first_err_line == 0) first_err_line = e.line;
    }
  if (err != output.err) {
    Failure f;
    f.line = first_err_line;
    f.message = "standard error differs; it holds:";
    for (const std::string &line : output.err) f.message += "\n  " + line;
    if (output.err.empty()) f.message += "\n  (nothing)";
    result.failures.push_back(f);
  }
  if (exit_status(ex) != output.status) {
    Failure f;
    for (const Expectation &e : ex.list)
      if (e.kind == Kind::Exit) f.line = e.line;
    f.message =
        "exit status " + std::to_string(output.status) + ", expected " + std::to_string(exit_status(ex));
    result.failures.push_back(f);
  }
  if (ex.list.empty()) {
    Failure f;
    f.message = "the script states no expectations";
    result.failures.push_back(f);
  }
  return result;
}

std::string report(const std::string &script_name, const Expectations &, const Result &result,
                   const Output &output) {
  std::string text;
  for (const Failure &f : result.failures) {
    text += script_name + ":" + std::to_string(f.line) + ": error: " + f.message + "\n";
    if (f.from < f.to) text += "  output:\n";
    for (int j = f.from; j < f.to; ++j) {
      text += j == f.mark ? "  > " : "    ";
      text += std::to_string(j + 1) + " | " + output.out[static_cast<std::size_t>(j)] + "\n";
    }
  }
  return text;
}

std::vector<std::string> update(const std::vector<std::string> &script, const Expectations &ex,
                                const Output &output, int &unfixed) {
  Walk walk(ex, output.out, true);
  walk.run();
  unfixed = 0;
  for (const Failure &f : walk.result.failures)
    for (const Expectation &e : ex.list)
      if (e.kind == Kind::Not && e.line == f.line) ++unfixed;

  // Unstated commands go before the first expectation that matched after
  // them, i.e. after the statements that sent them.
  std::vector<std::vector<std::string>> before(ex.list.size() + 1);
  std::set<int> stated = walk.whole_matches;
  int index = 0;
  while (unstated_command(output.out, stated, index)) {
    std::size_t slot = ex.list.size();
    for (std::size_t i = 0; i < ex.list.size(); ++i)
      if (positive(ex.list[i]) && walk.result.matched[i] > index) {
        slot = i;
        break;
      }
    before[slot].push_back("# CHECK: " + output.out[static_cast<std::size_t>(index)]);
    stated.insert(index);
  }

  // Standard error and the exit status are stated anew only when they differ,
  // so that lines written with [[@LINE]] stay as they are.
  std::vector<std::string> err;
  for (const Expectation &e : ex.list)
    if (e.kind == Kind::Stderr) err.push_back(e.text);
  const bool restate = err != output.err || exit_status(ex) != output.status;
  std::vector<std::string> tail;
  for (const std::string &line : output.err) tail.push_back("# CHECK-STDERR: " + line);
  if (output.status != 0) tail.push_back("# CHECK-EXIT: " + std::to_string(output.status));

  std::vector<std::string> result;
  bool tail_placed = false;
  std::size_t next = 0;  // the next expectation in script order
  for (std::size_t i = 0; i < script.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    if (next < ex.list.size() && ex.list[next].line == number) {
      const Expectation &e = ex.list[next];
      for (const std::string &line : before[next]) result.push_back(line);
      if (!restate && (e.kind == Kind::Stderr || e.kind == Kind::Exit)) {
        result.push_back(script[i]);
        tail_placed = true;
      } else if (e.kind == Kind::Stderr || e.kind == Kind::Exit) {
        if (!tail_placed) result.insert(result.end(), tail.begin(), tail.end());
        tail_placed = true;
      } else if (!walk.drop[next]) {
        result.push_back(walk.rewrite[next] ? directive_line(e, *walk.rewrite[next]) : script[i]);
      }
      ++next;
      continue;
    }
    result.push_back(script[i]);
  }
  for (const std::string &line : before[ex.list.size()]) result.push_back(line);
  if (!tail_placed) result.insert(result.end(), tail.begin(), tail.end());
  return result;
}

}  // namespace trace_check
