#include <gtest/gtest.h>

#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "toolkit/command.h"
#include "toolkit/exceptions.h"
#include "toolkit/guard.h"
#include "toolkit/lwtool2/eval.h"

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

TEST_F(EvalTest, AcceptedCommandAnswersNotFailed) {
  EXPECT_FALSE(lwtool2::eval("SelectItem 0x10000001"));
  EXPECT_EQ(host.commands, Commands{"SelectItem 0x10000001"});
}

TEST_F(EvalTest, RefusedCommandIsReportedOnceAndAnswersFailed) {
  host.settings().refused = {"SelectItem"};
  EXPECT_TRUE(lwtool2::eval("SelectItem 0x0"));
  EXPECT_EQ(host.commands,
            (Commands{"SelectItem 0x0", "StatusMsg *** ERROR: eval( \"SelectItem 0x0\" ) !(0) ***"}));
}

TEST_F(EvalTest, PercentInARefusedCommandIsShownNotInterpreted) {
  host.settings().refused = {"Rename"};
  lwtool2::eval("Rename 100%s %d");
  ASSERT_EQ(host.commands.size(), 2u);
  EXPECT_EQ(host.commands[1], "StatusMsg *** ERROR: eval( \"Rename 100%s %d\" ) !(0) ***");
}

TEST_F(EvalTest, EmptyCommandIsShownThenRaisesCEvalEx) {
  try {
    lwtool2::eval("");
    FAIL() << "no exception";
  } catch (const lw::ex::CEvalEx &e) {
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(e.message, "eval( \"\" )");
  }
  EXPECT_EQ(host.commands, Commands{"StatusMsg *** ERROR: eval( \"\" ) ***"});
}

TEST_F(EvalTest, CEvalExIsACBaseEx) {
  EXPECT_THROW(lwtool2::eval(""), lw::ex::CBaseEx);
  lw::ex::CEvalEx original(0, "text");
  lw::ex::CBaseEx copy = original;
  EXPECT_EQ(copy.code, 0);
  EXPECT_EQ(copy.message, "text");
}

TEST_F(EvalTest, EvalfFormatsAndAlwaysAnswersTrue) {
  host.settings().refused = {"AddToSelection"};
  EXPECT_TRUE(lwtool2::evalf("%s 0x%x", "SelectItem", 0x10000002u));
  EXPECT_TRUE(lwtool2::evalf("%s 0x%x", "AddToSelection", 0x10000003u));
  EXPECT_EQ(host.commands, (Commands{"SelectItem 0x10000002", "AddToSelection 0x10000003",
                                     "StatusMsg *** ERROR: eval( \"AddToSelection 0x10000003\" ) !(0) ***"}));
}

TEST_F(EvalTest, EvalfOfAnEmptyResultRaises) { EXPECT_THROW(lwtool2::evalf("%s", ""), lw::ex::CEvalEx); }

TEST_F(EvalTest, EvalfRefusesACommandTooLongForItsBuffer) {
  const std::string path(600, 'p');
  EXPECT_TRUE(lwtool2::evalf("ReplaceObjectLayer %d %s", 1, path.c_str()));
  ASSERT_EQ(host.commands.size(), 1u);  // nothing cut was sent, only the error
  EXPECT_EQ(host.commands[0].rfind("StatusMsg *** ERROR: eval( \"ReplaceObjectLayer 1 ppp", 0), 0u);
  EXPECT_LE(host.commands[0].size(), std::string("StatusMsg *** ERROR: ").size() + 511 + 4);

  host.commands.clear();
  host.select({qbtest::handle(0x10000000u)});  // Rename acts on the selection
  const std::string fits(511 - 7, 'n');
  lwtool2::evalf("Rename %s", fits.c_str());
  EXPECT_EQ(host.commands, Commands{"Rename " + fits});
}

TEST_F(EvalTest, StatusProgressWritesTwoDecimals) {
  lwtool2::status_progress(0.5f, "%s", "Renaming");
  lwtool2::status_progress(1.0f, "Done %d/%d", 3, 3);
  lwtool2::status_progress(0.333f, "%s", "");
  EXPECT_EQ(host.commands, (Commands{"StatusMsg {0.50}Renaming", "StatusMsg {1.00}Done 3/3", "StatusMsg {0.33}"}));
}

TEST_F(EvalTest, StatusProgressCutsALongMessage) {
  lwtool2::status_progress(0.25f, "%s", std::string(700, 'm').c_str());
  ASSERT_EQ(host.commands.size(), 1u);
  EXPECT_EQ(host.commands[0].size(), 511u);
  EXPECT_EQ(host.commands[0].rfind("StatusMsg {0.25}mmm", 0), 0u);
}

TEST_F(EvalTest, StatusErrorGoesStraightToTheHost) {
  host.settings().refused = {"StatusMsg"};
  lwtool2::status_error("bad");  // refused, yet nothing further is reported
  EXPECT_EQ(host.commands, Commands{"StatusMsg *** ERROR: bad ***"});
}

TEST(EvalWithoutHost, NoCommandFunctionSendsNothing) {
  qbtest::TestHost host;  // services not loaded
  EXPECT_TRUE(lwtool2::eval("SelectItem 0x1"));
  lwtool2::status_error("x");
  qb::run_command("SelectItem 0x1");
  qb::status_text("hello");
  EXPECT_TRUE(host.commands.empty());
}

TEST_F(EvalTest, FirstLayerSendsAndIgnoresResults) {
  host.settings().refused = {"SelectItem"};
  qb::run_command("SelectItem 0x0");
  qb::status_text("No items found!");
  EXPECT_EQ(host.commands, (Commands{"SelectItem 0x0", "StatusMsg {1.0} No items found!"}));
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
}

TEST(GuardFirstLayer, UsesTheServiceTableWhenTheSecondLayerHasNothing) {
  qbtest::TestHost host;
  qb::load_service_table(host.global());
  EXPECT_FALSE(qb::guarded([] { throw std::regex_error(std::regex_constants::error_brace); }));
  ASSERT_EQ(host.commands.size(), 1u);
  EXPECT_EQ(host.commands[0].rfind("StatusMsg *** ERROR: ", 0), 0u);
}

TEST(GuardWithoutHost, NeverThrows) {
  qbtest::TestHost host;
  EXPECT_FALSE(qb::guarded([] { throw std::logic_error("nobody listens"); }));
  EXPECT_TRUE(host.commands.empty());
}

}  // namespace
