// The trace checker's matching rules, on small scripts and outputs.
#include "trace_check.h"

#include <gtest/gtest.h>

namespace {

using trace_check::Output;

trace_check::Result run(const std::string &script, const std::string &out, const std::string &err = "",
                        int status = 0) {
  const trace_check::Expectations ex = trace_check::parse(trace_check::split_lines(script));
  EXPECT_TRUE(ex.errors.empty());
  return trace_check::check(ex, Output{trace_check::split_lines(out), trace_check::split_lines(err), status});
}

TEST(TraceCheck, CheckMatchesWholeLinesInOrder) {
  EXPECT_TRUE(run("# CHECK: b\n# CHECK: d\n", "a\nb\nc\nd\n").passed());
  EXPECT_FALSE(run("# CHECK: d\n# CHECK: b\n", "a\nb\nc\nd\n").passed());  // order
  EXPECT_FALSE(run("# CHECK: b\n", "ab\n").passed());                      // whole line
  EXPECT_FALSE(run("# CHECK: b\n# CHECK: b\n", "b\n").passed());           // one line matches once
  EXPECT_TRUE(run("# CHECK-PART: b\n", "abc\n").passed());
  EXPECT_TRUE(run("# CHECK:\n", "a\n\n").passed());  // an empty line
}

TEST(TraceCheck, NextMustFollowAtOnce) {
  EXPECT_TRUE(run("# CHECK: a\n# CHECK-NEXT: b\n", "a\nb\n").passed());
  EXPECT_FALSE(run("# CHECK: a\n# CHECK-NEXT: b\n", "a\nx\nb\n").passed());
  EXPECT_FALSE(run("# CHECK: a\n# CHECK-NEXT: b\n", "a\n").passed());
  EXPECT_TRUE(run("# CHECK-NEXT: a\n", "a\nb\n").passed());  // first: the first line
}

TEST(TraceCheck, NotHoldsBetweenNeighbouringMatches) {
  EXPECT_TRUE(run("# CHECK: a\n# CHECK-NOT: x\n# CHECK: b\n# CHECK: c\n", "a\nb\nx\nc\n").passed());
  EXPECT_FALSE(run("# CHECK: a\n# CHECK-NOT: x\n# CHECK: b\n", "a\nx\nb\n").passed());
  EXPECT_FALSE(run("# CHECK: a\n# CHECK-NOT: x\n", "a\nb\nx\n").passed());  // to the end
  EXPECT_FALSE(run("# CHECK-NOT: x\n# CHECK: a\n", "x\na\n").passed());     // from the start
  EXPECT_TRUE(run("# CHECK: a\n# CHECK-NOT: x\n", "a\nxy\n").passed());
  EXPECT_FALSE(run("# CHECK: a\n# CHECK-NOT-PART: x\n", "a\nxy\n").passed());
}

TEST(TraceCheck, EveryCommandIsStatedWhole) {
  EXPECT_TRUE(run("# CHECK: cmd ok A\n# CHECK: cmd ok B\n", "cmd ok A\nresult 1\ncmd ok B\n").passed());
  EXPECT_FALSE(run("# CHECK: cmd ok A\n", "cmd ok A\ncmd ok B\n").passed());
  EXPECT_FALSE(run("# CHECK: result 1\n", "cmd ok A\nresult 1\n").passed());
  EXPECT_FALSE(run("# CHECK-PART: cmd ok\n", "cmd ok A\n").passed());
}

TEST(TraceCheck, StandardErrorAndExitStatusAreStatedInFull) {
  EXPECT_TRUE(run("# CHECK: a\n", "a\n").passed());
  EXPECT_FALSE(run("# CHECK: a\n", "a\n", "", 1).passed());
  EXPECT_FALSE(run("# CHECK: a\n", "a\n", "oops\n").passed());
  EXPECT_TRUE(run("# CHECK-STDERR: x:3: oops\n# CHECK-EXIT: 1\n", "", "x:3: oops\n", 1).passed());
  EXPECT_FALSE(run("# CHECK-STDERR: x:3: oops\n# CHECK-EXIT: 1\n", "", "x:3: oops\nmore\n", 1).passed());
  EXPECT_FALSE(run("# CHECK-EXIT: 1\n", "", "", 2).passed());
  // [[@LINE]] is the expectation's own line, with an offset if given.
  EXPECT_TRUE(run("bad\n# CHECK-STDERR: x:[[@LINE-1]]: a [[@LINE]] [[@LINE+3]]\n# CHECK-EXIT: 1\n", "",
                  "x:1: a 2 5\n", 1)
                  .passed());
  EXPECT_EQ(trace_check::parse({"# CHECK: [[@LINE*2]]"}).errors.size(), 1u);
}

// A separator placeholder is filled for the system, as a path is written and
// as a quoted text prints it; statements and checks alike.
TEST(TraceCheck, SeparatorPlaceholdersFollowTheSystem) {
  using trace_check::System;
  const struct {
    const char *text;
    System system;
    const char *filled;
  } cases[] = {
      {"set 4 ..[[SEP]]data[[SEP]]", System::Posix, "set 4 ../data/"},
      {"set 4 ..[[SEP]]data[[SEP]]", System::Windows, "set 4 ..\\data\\"},
      {"file=\"a[[QSEP]]b.lwo\"", System::Posix, "file=\"a/b.lwo\""},
      {"file=\"a[[QSEP]]b.lwo\"", System::Windows, "file=\"a\\\\b.lwo\""},
      {"[[SEP]][[QSEP]][[SEP]]", System::Windows, "\\\\\\\\"},
      {"[[SEP] [SEP]] [[sep]]", System::Windows, "[[SEP] [SEP]] [[sep]]"},
  };
  for (const auto &c : cases) EXPECT_EQ(trace_check::fill_separators(c.text, c.system), c.filled) << c.text;
  const std::vector<std::string> script = {"# CHECK: cmd ok ReplaceObjectLayer 1 d[[SEP]]a.lwo"};
  const Output out{{"cmd ok ReplaceObjectLayer 1 d\\a.lwo"}, {}, 0};
  EXPECT_TRUE(trace_check::check(trace_check::parse(script, System::Windows), out).passed());
  EXPECT_FALSE(trace_check::check(trace_check::parse(script, System::Posix), out).passed());
}

TEST(TraceCheck, ScriptsWithoutExpectationsOrWithBadDirectivesAreRejected) {
  EXPECT_FALSE(run("mesh Cube\n", "").passed());
  for (const char *bad : {"# CHECK-NXT: a", "# CHECK a", "# CHECK-EXIT: one", "# CHECK-PART:"})
    EXPECT_EQ(trace_check::parse({bad}).errors.size(), 1u) << bad;
  EXPECT_TRUE(trace_check::parse({"# CHECKS are below"}).errors.size() == 1);
  EXPECT_TRUE(trace_check::parse({"# a comment: CHECK: a"}).list.empty());
}

TEST(TraceCheck, ReportShowsTheExpectationItsLineAndTheOutputAround) {
  const std::string script = "activate X\n# CHECK: cmd ok A\n# CHECK: cmd ok C\n";
  const auto ex = trace_check::parse(trace_check::split_lines(script));
  const Output out{{"cmd ok A", "cmd ok B"}, {}, 0};
  const std::string text = trace_check::report("t.qbs", ex, trace_check::check(ex, out), out);
  EXPECT_EQ(text,
            "t.qbs:3: error: # CHECK: cmd ok C\n"
            "  not found after output line 1; the closest is output line 2\n"
            "  output:\n"
            "    1 | cmd ok A\n"
            "  > 2 | cmd ok B\n");
}

std::string updated(const std::string &script, const Output &out, int *unfixed = nullptr) {
  int left = 0;
  std::string text;
  const auto lines = trace_check::split_lines(script);
  for (const std::string &line : trace_check::update(lines, trace_check::parse(lines), out, left))
    text += line + "\n";
  if (unfixed != nullptr) *unfixed = left;
  return text;
}

TEST(TraceCheck, UpdateRewritesFailingChecksFromTheLinePrintedInTheirPlace) {
  EXPECT_EQ(
      updated("go\n# CHECK: value=1 x\n# CHECK-NEXT: b\n# CHECK: end\n", {{"value=2 x", "c", "end"}, {}, 0}),
      "go\n# CHECK: value=2 x\n# CHECK-NEXT: c\n# CHECK: end\n");
  // An unstated command goes before the next expectation; stderr and exit are stated anew.
  EXPECT_EQ(updated("a\n# CHECK: cmd ok A\nb\n# CHECK: result 1\n# CHECK-EXIT: 2\n",
                    {{"cmd ok A", "cmd ok B", "result 1"}, {"f:1: bad"}, 1}),
            "a\n# CHECK: cmd ok A\nb\n# CHECK: cmd ok B\n# CHECK: result 1\n# CHECK-STDERR: f:1: bad\n"
            "# CHECK-EXIT: 1\n");
  // Standard error that still holds keeps its [[@LINE]] form.
  EXPECT_EQ(updated("bad\n# CHECK-STDERR: f:[[@LINE-1]]: x\n# CHECK-EXIT: 1\n", {{}, {"f:1: x"}, 1}),
            "bad\n# CHECK-STDERR: f:[[@LINE-1]]: x\n# CHECK-EXIT: 1\n");
  // A check with no line left in its place goes; a CHECK-NOT failure stays for a person.
  int unfixed = 0;
  EXPECT_EQ(updated("# CHECK: a\n# CHECK-NOT: x\n# CHECK-NEXT: gone\n", {{"a", "x"}, {}, 0}, &unfixed),
            "# CHECK: a\n# CHECK-NOT: x\n# CHECK-NEXT: x\n");
  EXPECT_EQ(unfixed, 0);
  updated("# CHECK: a\n# CHECK-NOT: x\n# CHECK: b\n", {{"a", "x", "b"}, {}, 0}, &unfixed);
  EXPECT_EQ(unfixed, 1);
}

}  // namespace
