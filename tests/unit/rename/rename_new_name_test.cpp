#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tools/rename/new_name.h"

namespace {

using qb::rename::RenameSettings;

RenameSettings in_mode(qb::rename::Mode mode) {
  RenameSettings settings;
  settings.mode = mode;
  return settings;
}

TEST(RenameWorkingName, DuplicateNumberFormGivesItsBase) {
  EXPECT_EQ(qb::rename::working_name("Arm_L (2)"), "Arm_L");
  EXPECT_EQ(qb::rename::working_name("Key (12)"), "Key");
  EXPECT_EQ(qb::rename::working_name("Key"), "Key");
  EXPECT_EQ(qb::rename::working_name(""), "");
}

TEST(RenameWorkingName, OtherFormsStayWhole) {
  EXPECT_EQ(qb::rename::working_name("Left Arm (2)"), "Left Arm (2)");  // a blank before the number
  EXPECT_EQ(qb::rename::working_name("Key (2a)"), "Key (2a)");
  EXPECT_EQ(qb::rename::working_name("Key(2)"), "Key(2)");
  EXPECT_EQ(qb::rename::working_name("Key  (2)"), "Key  (2)");
  EXPECT_EQ(qb::rename::working_name("Key ()"), "Key ()");
  EXPECT_EQ(qb::rename::working_name("Key (2) "), "Key (2) ");
  EXPECT_EQ(qb::rename::working_name(" (2)"), " (2)");
}

TEST(RenameNewName, ChangeGivesTheTextWhateverTheName) {
  RenameSettings s = in_mode(qb::rename::Mode::kChange);
  s.change_text.assign("Key");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Light"), "Key");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Key"), "Key");
  s.change_text.assign("");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Light"), "");
}

TEST(RenameNewName, PrefixAndSuffix) {
  RenameSettings s = in_mode(qb::rename::Mode::kPrefix);
  s.prefix_text.assign("L_");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Key"), "L_Key");
  s.prefix_text.assign("");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Key"), "Key");

  s.mode = qb::rename::Mode::kSuffix;
  s.suffix_text.assign("_end");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Key"), "Key_end");
  s.suffix_text.clear();  // a text that never held bytes counts as empty
  EXPECT_EQ(qb::rename::compute_new_name(s, "Key"), "Key");
}

TEST(RenameNewName, ReplaceChangesTheFirstOccurrenceOnly) {
  const RenameSettings s = in_mode(qb::rename::Mode::kReplace);
  EXPECT_EQ(qb::rename::compute_new_name(s, "Arm_L_Up"), "Arm_R_Up");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Leg_L_Low_L_"), "Leg_R_Low_L_");
  EXPECT_EQ(qb::rename::compute_new_name(s, "arm_l_up"), "arm_l_up");  // byte for byte, case counts
}

TEST(RenameNewName, ReplaceWithAnEmptySearchPutsTheTextInFront) {
  RenameSettings s = in_mode(qb::rename::Mode::kReplace);
  s.search_text.assign("");
  s.replace_text.assign("X_");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Arm"), "X_Arm");
}

TEST(RenameNewName, ReplaceComparesShiftJisBytes) {
  RenameSettings s = in_mode(qb::rename::Mode::kReplace);
  s.search_text.assign("\x83\x7B");  // the Shift-JIS bytes of one katakana
  s.replace_text.assign("B");
  EXPECT_EQ(qb::rename::compute_new_name(s, "a\x83\x7B\x83\x7B"), "aB\x83\x7B");
}

TEST(RenameNewName, RegularExpressionWithTheInitialTexts) {
  const RenameSettings s = in_mode(qb::rename::Mode::kRegex);
  EXPECT_EQ(qb::rename::compute_new_name(s, "arm_l_up"), "arm_R_up");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Arm_L_"), "Arm_R_");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Leg_l_Low_L_"), "Leg_R_Low_L_");  // the first match only
  EXPECT_EQ(qb::rename::compute_new_name(s, "Arm"), "");                       // no match leaves no name
}

TEST(RenameNewName, RegularExpressionTakesTheReplacementLiterally) {
  RenameSettings s = in_mode(qb::rename::Mode::kRegex);
  s.pattern_text.assign("[0-9]+");
  s.pattern_replace_text.assign("#");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Bone12a"), "Bone#a");
  s.pattern_replace_text.assign("$1");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Bone12a"), "Bone$1a");
  s.pattern_replace_text.assign("$&$$");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Bone12a"), "Bone$&$$a");
}

TEST(RenameNewName, RegularExpressionGroupsOfThePatternStillReplaceTheWholeMatch) {
  RenameSettings s = in_mode(qb::rename::Mode::kRegex);
  s.pattern_text.assign("(L)_(U)");
  s.pattern_replace_text.assign("R_D");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Arm_L_Up"), "Arm_R_Dp");
}

TEST(RenameNewName, RegularExpressionEmptyPatternMatchesAtTheStart) {
  RenameSettings s = in_mode(qb::rename::Mode::kRegex);
  s.pattern_text.assign("");
  s.pattern_replace_text.assign("P_");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Arm"), "P_Arm");
}

TEST(RenameNewName, RegularExpressionIsCaseSensitive) {
  RenameSettings s = in_mode(qb::rename::Mode::kRegex);
  s.pattern_text.assign("arm");
  s.pattern_replace_text.assign("leg");
  EXPECT_EQ(qb::rename::compute_new_name(s, "Arm_arm"), "Arm_leg");
}

TEST(RenameNewName, RegularExpressionWhoseGroupTakesNoPartChangesNothing) {
  // The wrapping makes "(a)|(b)" of "a)|(b": a match of b leaves group 1 out.
  RenameSettings s = in_mode(qb::rename::Mode::kRegex);
  s.pattern_text.assign("a)|(b");
  s.pattern_replace_text.assign("X");
  EXPECT_EQ(qb::rename::compute_new_name(s, "cb"), "");
  EXPECT_EQ(qb::rename::compute_new_name(s, "ca"), "cX");
}

TEST(RenameNewName, RegularExpressionThatDoesNotCompileThrows) {
  RenameSettings s = in_mode(qb::rename::Mode::kRegex);
  s.pattern_text.assign("_[Ll");
  EXPECT_THROW(qb::rename::compute_new_name(s, "Arm_L_"), std::regex_error);
  EXPECT_THROW(qb::rename::compile_rename_pattern(s.pattern_text), std::regex_error);
  // The parentheses of the wrapping are balanced by the pattern's own.
  s.pattern_text.assign(")(");
  EXPECT_NO_THROW(qb::rename::compile_rename_pattern(s.pattern_text));
}

TEST(RenameNewName, RegularExpressionWithoutACompiledPatternGivesNothing) {
  const RenameSettings s = in_mode(qb::rename::Mode::kRegex);
  EXPECT_EQ(qb::rename::compute_new_name(s, "Arm_L_", nullptr), "");
}

TEST(RenameNewName, UnknownModeGivesNothing) {
  EXPECT_EQ(qb::rename::compute_new_name(in_mode(static_cast<qb::rename::Mode>(5)), "Arm_L_"), "");
  EXPECT_EQ(qb::rename::compute_new_name(in_mode(static_cast<qb::rename::Mode>(-1)), "Arm_L_"), "");
}

TEST(RenameNewName, OtherModesIgnoreAPatternThatDoesNotCompile) {
  RenameSettings s = in_mode(qb::rename::Mode::kPrefix);
  s.pattern_text.assign("(");
  s.prefix_text.assign("P");
  EXPECT_EQ(qb::rename::compute_new_name(s, "A"), "PA");
}

}  // namespace
