// The tools against hostile input, run through the stand-in host in this
// process on a thread with a 1 MiB stack (as little as a host's interface
// thread may have): names of 64 KiB, texts of 511 bytes in every field,
// paths of 4 KiB, argument texts of 100,000 words, and names and texts with
// every byte value.  Each tool completes, the host sees only sound commands,
// and nothing crashes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "host/core/host.h"
#include "tests/unit/support/small_stack.h"
#include "toolkit/files.h"

extern "C" ModuleDescriptor _mod_descrip;

namespace {

using qbhost::ItemId;

constexpr std::size_t kHostStack = 1 << 20;
constexpr std::size_t kLongName = 64 * 1024;

void on_host_thread(const std::function<void()> &body) { ASSERT_TRUE(qbtest::on_stack_of(kHostStack, body)); }

// The module in an in-process host whose trace is kept.  The built module
// file (QB_PLUGIN, set by ctest) is loaded afresh for every session and
// unloaded at its end, so that no panel outlives its host; without it the
// module linked into this program is attached.
struct Session {
  std::ostringstream trace;
  qbhost::Host host;

  Session() {
    host.set_trace(&trace);
    std::string error;
    const char *plugin = std::getenv("QB_PLUGIN");
    if (plugin != nullptr) {
      EXPECT_TRUE(host.load_module(plugin, error)) << error;
    } else {
      EXPECT_TRUE(host.attach_module(&_mod_descrip, error)) << error;
    }
  }

  qbhost::Scene &scene() { return host.scene(); }

  // Runs script statements; the trace they print.
  std::string run(const std::string &script) {
    trace.str("");
    std::string error;
    EXPECT_EQ(host.run_script(script, "hostile", error), qbhost::RunStatus::Ok) << error;
    return trace.str();
  }

  int activate(const std::string &server, const std::string &argument) {
    trace.str("");
    return host.activate(server, argument.c_str());
  }

  // Every command line of the trace is within the host's command buffer.
  void expect_commands_fit() {
    std::istringstream lines(trace.str());
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("cmd ", 0) == 0) {
        EXPECT_LT(line.size(), 600u) << line.substr(0, 80);
      }
    }
  }
};

std::string quoted(const std::string &text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string every_byte_but_nul() {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  return all;
}

TEST(HostileNames, SelectionCommandsFindItemsWith64KiBNames) {
  on_host_thread([] {
    Session s;
    const std::string a(kLongName, 'a');
    const std::string b = std::string(kLongName - 1, 'b') + "!";
    const ItemId first = s.scene().add_null(a);
    const ItemId second = s.scene().add_null(b);
    qbhost::ItemOptions below_second;
    below_second.parent = second;
    s.scene().add_null(a, below_second);

    EXPECT_EQ(s.activate("QB:SelectItem", a), 0);
    EXPECT_EQ(s.scene().selection(), (std::vector<ItemId>{first + 2, first}));
    EXPECT_EQ(s.activate("QB:SelectItem", "B*!"), 0);
    EXPECT_EQ(s.scene().selection(), std::vector<ItemId>{second});
    EXPECT_EQ(s.activate("QB:SelectItem", "*c"), 0);
    EXPECT_EQ(s.host.status(), "{1.0} No items found!");
    EXPECT_EQ(s.activate("QB:SelectBranch", "b*"), 0);
    EXPECT_EQ(s.scene().selection(), (std::vector<ItemId>{second, first + 2}));

    EXPECT_EQ(s.activate("QB:ToggleVisible", a), 0);
    EXPECT_EQ(s.scene().item(first)->display, 0);
    EXPECT_EQ(s.scene().item(first + 2)->display, 0);
    EXPECT_EQ(s.scene().item(second)->display, 6);
    s.expect_commands_fit();
  });
}

TEST(HostileNames, ItemToolsPanelWithLongFieldsAndNames) {
  on_host_thread([] {
    Session s;
    const ItemId lamp = s.scene().add_light(std::string(kLongName, 'L'));
    const ItemId pivot = s.scene().add_null(std::string(510, 'p'));
    s.scene().select_only(lamp);
    s.run("activate QB:ItemTools\n");
    // A 511-byte pattern, and a field text longer than the 511 bytes a field
    // holds (the host keeps the first 511).
    const std::string pattern = std::string("l").append(509, '?').append("*");
    s.run("set 12 " + quoted(pattern) + "\npress 15\n");
    EXPECT_EQ(s.scene().selection(), std::vector<ItemId>{lamp});
    s.run("set 12 " + quoted(std::string(4096, '*')) + "\npress 15\n");
    EXPECT_EQ(s.scene().selection(), std::vector<ItemId>{lamp});
    s.run("set 3 " + quoted(std::string(4096, 'p')) + "\npress 6\n");
    EXPECT_EQ(s.scene().item(lamp)->parent, 0u);
    s.run("set 3 " + quoted(std::string(510, 'P')) + "\npress 6\n");
    EXPECT_EQ(s.scene().item(lamp)->parent, pivot);
    s.run("press 18\nclose\n");
    s.expect_commands_fit();
  });
}

// Names and pattern fields of every byte value: the module neither decodes
// nor cuts them, and the host receives them byte for byte.
TEST(HostileNames, EveryByteValueInNamesAndPatterns) {
  on_host_thread([] {
    Session s;
    const std::string all = every_byte_but_nul();
    const ItemId odd = s.scene().add_null(all);
    s.scene().add_null("plain");
    // The argument words split at blanks: the name's bytes up to its blank,
    // then a star.
    EXPECT_EQ(s.activate("QB:SelectItem", all.substr(0, ' ' - 1) + "*"), 0);
    EXPECT_EQ(s.scene().selection(), std::vector<ItemId>{odd});
    s.scene().select_only(odd);
    s.run("activate QB:NameReplace\nset 7 1\nset 9 " + quoted("\x01\xff\x81\x40") + "\nok\n");
    EXPECT_EQ(s.scene().item(odd)->name, "\x01\xff\x81\x40" + all);
    // The item tools' field with every byte as its pattern: the braces keep
    // their meaning, so it does not compile, and says so.
    s.run("activate QB:ItemTools\n");
    std::string error;
    ASSERT_TRUE(s.host.user_set(12, all, error)) << error;
    ASSERT_TRUE(s.host.user_press(15, error)) << error;
    EXPECT_NE(s.host.status().find("*** ERROR: "), std::string::npos) << s.host.status();
    s.run("close\n");
    s.expect_commands_fit();
  });
}

// The rename tool on 64 KiB names: the duplicate-number test, the search and
// the regular expression run over the whole name; a new name longer than the
// command line is left alone, a short one is sent.
TEST(HostileNames, RenameOf64KiBNames) {
  on_host_thread([] {
    Session s;
    const std::string body(kLongName, 'x');
    const ItemId a = s.scene().add_null(body + "_L_");
    const ItemId b = s.scene().add_null(body + " (2)");
    const ItemId c = s.scene().add_null(body + "!");
    s.scene().set_selection({a, b, c});
    s.run("activate QB:NameReplace\nset 7 4\nset 13 " + quoted("_L_$") + "\nset 14 R\nok\n");
    EXPECT_EQ(s.scene().item(a)->name, body + "_L_");              // the new name does not fit a command
    EXPECT_NE(s.trace.str().find("Done(0)."), std::string::npos);  // none renamed
    s.run("activate QB:NameReplace\nset 7 0\nset 8 Short\nok\n");
    EXPECT_EQ(s.scene().item(a)->name, "Short");
    EXPECT_EQ(s.scene().item(b)->name, "Short");
    EXPECT_EQ(s.scene().item(c)->name, "Short");
    // Each run gives the selection back from its last item: twice is the
    // original order.
    EXPECT_EQ(s.scene().selection(), (std::vector<ItemId>{a, b, c}));
    s.expect_commands_fit();
  });
}

// Backtracking the user asked for: "(a+)+$" against names of thirty a's and
// one other byte stops at the matcher's step limit; those names stay, the run
// goes on with the others, and the selection comes back.
TEST(HostileNames, RenameStopsRunawayBacktrackingPerName) {
  on_host_thread([] {
    Session s;
    const ItemId hard = s.scene().add_null(std::string(30, 'a') + "!");
    const ItemId easy = s.scene().add_null("caaa");
    s.scene().set_selection({hard, easy});
    s.run("activate QB:NameReplace\nset 7 4\nset 13 " + quoted("(a+)+$") + "\nset 14 x\nok\n");
    EXPECT_EQ(s.scene().item(hard)->name, std::string(30, 'a') + "!");
    EXPECT_EQ(s.scene().item(easy)->name, "cx");
    EXPECT_NE(s.trace.str().find("Done(1)."), std::string::npos);
    // Said once, after the final line.
    const std::string trace = s.trace.str();
    const std::size_t said = trace.find("too complex for some names");
    EXPECT_GT(said, trace.find("Done(1)."));
    EXPECT_EQ(trace.find("too complex", said + 1), std::string::npos);
    EXPECT_EQ(s.scene().selection(), (std::vector<ItemId>{easy, hard}));
  });
}

// Argument texts of 100,000 words: each word a pattern, every item tested
// against all of them.
TEST(HostileNames, ArgumentTextsOfAHundredThousandWords) {
  on_host_thread([] {
    Session s;
    const ItemId cube = s.scene().add_mesh("Cube", "Objects/Cube.lwo");
    const ItemId key = s.scene().add_light("Key");
    std::string words;
    for (int i = 0; i < 100000; ++i) words.append("w").append(std::to_string(i)).append(" ");
    EXPECT_EQ(s.activate("QB:SelectItem", words + "KEY"), 0);
    EXPECT_EQ(s.scene().selection(), std::vector<ItemId>{key});
    EXPECT_EQ(s.activate("QB:ToggleVisible", words + "cube"), 0);
    EXPECT_EQ(s.scene().item(cube)->display, 0);
    EXPECT_EQ(s.activate("QB:SelectBranch", words), 0);
    EXPECT_EQ(s.scene().selection(), std::vector<ItemId>{key});
    // An unclosed quote at the very end drops every word.
    EXPECT_EQ(s.activate("QB:SelectItem", words + "Cube \"open"), 0);
    EXPECT_EQ(s.host.status(), "{1.0} No items found!");
  });
}

// Paths of 4 KiB from the host (object file names) and in the object
// replacer's field (which holds 511 bytes), with runs of separators.
TEST(HostileNames, LongPathsInTheObjectReplacerAndRename) {
  on_host_thread([] {
    Session s;
    std::string deep;
    while (deep.size() < 4096) deep += "dir/";
    const ItemId mesh = s.scene().add_mesh("Body:Main", deep + "Body.lwo");
    const ItemId null_like = s.scene().add_mesh("Odd", deep + "Body.lwo" + std::string(100, '/'));
    s.scene().set_selection({mesh, null_like});
    // No readable file: nothing is replaced, the panel closes, the selection
    // comes back.
    s.run("activate QB:ObjectReplacer\nset 3 " + quoted(deep + "missing.lwo") + "\npress 6\n");
    EXPECT_EQ(s.scene().item(mesh)->file, deep + "Body.lwo");
    s.run("activate QB:ObjectReplacer\nset 2 1\nset 4 " + quoted(std::string(600, '/')) + "\npress 6\n");
    EXPECT_EQ(s.scene().selection(), (std::vector<ItemId>{mesh, null_like}));
    // The rename tool tells meshes from nulls by the file path: the mesh keeps
    // its name, the object whose path ends in separators counts as a null.
    s.run("activate QB:NameReplace\nset 7 1\nset 9 N_\nok\n");
    EXPECT_EQ(s.scene().item(mesh)->name, "Body:Main");
    EXPECT_EQ(s.scene().item(null_like)->name, "N_Odd");
    s.expect_commands_fit();
  });
  EXPECT_EQ(qb::trim_trailing_separators(std::string(4096, 'd') + std::string(4096, '/')),
            std::string(4096, 'd'));
  const std::string million(1000000, 'd');
  EXPECT_EQ(qb::trim_trailing_separators(million + "\\/\\/"), million);
}

}  // namespace
