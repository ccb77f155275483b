#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "toolkit/base/exceptions.h"
#include "toolkit/guard.h"
#include "toolkit/lwtool2/eval.h"
#include "toolkit/services.h"

namespace {

using Commands = std::vector<std::string>;

class EvalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char *name : {"A", "B", "C", "D"}) host.mesh(name);  // 0x10000000 to 0x10000003
    host.load_services();
  }
  qbtest::TestHost host;
};

// eval answers whether the command failed; evalf answers true whatever
// happens.  A refusal is shown once in the status line, its text as sent.
TEST_F(EvalTest, AnswersFailureAndShowsARefusalOnce) {
  host.settings().refused = {"Rename", "AddToSelection"};
  EXPECT_FALSE(lwtool2::eval("SelectItem 0x10000001"));
  EXPECT_TRUE(lwtool2::eval("Rename 100%s %d"));
  EXPECT_TRUE(lwtool2::evalf("%s 0x%x", "SelectItem", 0x10000002u));
  EXPECT_TRUE(lwtool2::evalf("%s 0x%x", "AddToSelection", 0x10000003u));
  EXPECT_EQ(host.commands, (Commands{"SelectItem 0x10000001", "Rename 100%s %d",
                                     "StatusMsg *** ERROR: eval( \"Rename 100%s %d\" ) !(0) ***",
                                     "SelectItem 0x10000002", "AddToSelection 0x10000003",
                                     "StatusMsg *** ERROR: eval( \"AddToSelection 0x10000003\" ) !(0) ***"}));
}

TEST_F(EvalTest, EmptyCommandIsShownThenRaisesCEvalEx) {
  try {
    lwtool2::eval("");
    FAIL() << "no exception";
  } catch (const lw::ex::CBaseEx &e) {  // the guard lets the library's own exceptions pass silently
    EXPECT_NE(dynamic_cast<const lw::ex::CEvalEx *>(&e), nullptr);
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(e.message, "eval( \"\" )");
  }
  EXPECT_EQ(host.commands, Commands{"StatusMsg *** ERROR: eval( \"\" ) ***"});
  EXPECT_THROW(lwtool2::evalf("%s", ""), lw::ex::CEvalEx);
}

// The length rule itself is the sender's (toolkit/send_test.cpp); this layer
// formats the whole text and reports a refused progress line.
TEST_F(EvalTest, StatusProgressWritesTwoDecimalsAndReportsARefusal) {
  lwtool2::status_progress(0.333f, "%s", "");
  host.settings().refused = {"StatusMsg {0.25}"};
  lwtool2::status_progress(0.25f, "%s %d", "Done", 2);
  EXPECT_EQ(host.commands, (Commands{"StatusMsg {0.33}", "StatusMsg {0.25}Done 2",
                                     "StatusMsg *** ERROR: eval( \"StatusMsg {0.25}Done 2\" ) !(0) ***"}));
}

TEST_F(EvalTest, GuardedReportsForeignExceptionsOnly) {
  EXPECT_TRUE(qb::guarded([] {}));
  EXPECT_TRUE(host.commands.empty());

  EXPECT_FALSE(qb::guarded([] { throw std::runtime_error("boom"); }));
  EXPECT_EQ(host.commands, Commands{"StatusMsg *** ERROR: boom ***"});

  host.commands.clear();
  EXPECT_FALSE(qb::guarded([] { lwtool2::eval(""); }));  // shows its own message only
  EXPECT_EQ(host.commands, Commands{"StatusMsg *** ERROR: eval( \"\" ) ***"});

  host.commands.clear();
  EXPECT_FALSE(qb::guarded([] { throw 42; }));
  EXPECT_EQ(host.commands, Commands{"StatusMsg *** ERROR: unknown exception ***"});

  host.commands.clear();  // a long message keeps what the status line holds
  EXPECT_FALSE(qb::guarded([] { throw std::runtime_error(std::string(600, 'w')); }));
  EXPECT_EQ(host.commands, Commands{"StatusMsg *** ERROR: " + std::string(490, 'w')});
}

// The guard reports through the command port of the layer that looked its
// services up for the running activation, whichever layer that is; a second
// layer whose fetch stopped before the command service leaves the first
// layer's port in place.
TEST(GuardPort, ReportsThroughTheLayerThatServesTheActivation) {
  enum class Loaded { kFirst, kSecond, kFirstThenStoppedSecond, kFirstThenReset };
  const struct {
    Loaded loaded;
    bool reported;
  } cases[] = {{Loaded::kFirst, true},
               {Loaded::kSecond, true},
               {Loaded::kFirstThenStoppedSecond, true},
               {Loaded::kFirstThenReset, false}};
  for (const auto &c : cases) {
    qbtest::TestHost host;
    switch (c.loaded) {
      case Loaded::kFirst: qb::load_service_table(host.global()); break;
      case Loaded::kSecond: ASSERT_TRUE(host.fetch()); break;
      case Loaded::kFirstThenStoppedSecond:
        qb::load_service_table(host.global());
        host.settings().missing.insert("LW Bone Info 6");  // the first name the second layer fetches
        ASSERT_FALSE(host.fetch());
        break;
      case Loaded::kFirstThenReset:
        qb::load_service_table(host.global());
        qb::reset_service_table();
        break;
    }
    EXPECT_FALSE(qb::guarded([] { throw std::runtime_error("boom"); }));
    EXPECT_EQ(host.commands, c.reported ? Commands{"StatusMsg *** ERROR: boom ***"} : Commands{})
        << static_cast<int>(c.loaded);
  }
}

TEST(EvalWithoutHost, SendsNothingAndNeverThrows) {
  qbtest::TestHost host;  // services not loaded
  EXPECT_TRUE(lwtool2::eval("SelectItem 0x1"));
  lwtool2::status_error("x");
  EXPECT_FALSE(qb::guarded([] { throw std::logic_error("nobody listens"); }));
  EXPECT_TRUE(host.commands.empty());
}

}  // namespace
