#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "qbhost_fixture.h"
#include "tools/tools.h"
#include "tools/visibility/item_visible_text.h"

namespace {

std::string bytes(std::initializer_list<unsigned char> list) { return std::string(list.begin(), list.end()); }

std::vector<std::string> texts_of(const char *const *list, int count) {
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i) texts.emplace_back(list[i]);
  return texts;
}

using Texts = std::vector<std::string>;

TEST(ItemVisibleText, EnglishListsHoldTheTextsAsShownToUsers) {
  EXPECT_EQ(texts_of(qb::item_visible::kScopeChoicesEn, qb::item_visible::kScopeChoiceCount),
            (Texts{"Selection Item", "Selection not other", "Selection Item + Children",
                   "Selection + Children not other", "All Items"}));
  EXPECT_EQ(texts_of(qb::item_visible::kDisplayChoicesEn, qb::item_visible::kDisplayChoiceCount),
            (Texts{"As is", "Hidden", "Bouding box", "Vertices", "Wireframe", "Front Face Wireframe", "Shaded Solid",
                   "Textured Solid", "Textrured w/Wireframe"}));
  EXPECT_EQ(texts_of(qb::item_visible::kVisibilityChoicesEn, qb::item_visible::kVisibilityChoiceCount), (Texts{"As is", "Hidden", "Visible"}));
  EXPECT_EQ(texts_of(qb::item_visible::kActiveChoicesEn, qb::item_visible::kActiveChoiceCount), (Texts{"As is", "Off", "On"}));
}

TEST(ItemVisibleText, EveryListEndsWithANullEntryAfterItsCount) {
  EXPECT_EQ(qb::item_visible::kScopeChoicesJa[qb::item_visible::kScopeChoiceCount], nullptr);
  EXPECT_EQ(qb::item_visible::kScopeChoicesEn[qb::item_visible::kScopeChoiceCount], nullptr);
  EXPECT_EQ(qb::item_visible::kDisplayChoicesJa[qb::item_visible::kDisplayChoiceCount], nullptr);
  EXPECT_EQ(qb::item_visible::kDisplayChoicesEn[qb::item_visible::kDisplayChoiceCount], nullptr);
  EXPECT_EQ(qb::item_visible::kVisibilityChoicesJa[qb::item_visible::kVisibilityChoiceCount], nullptr);
  EXPECT_EQ(qb::item_visible::kVisibilityChoicesEn[qb::item_visible::kVisibilityChoiceCount], nullptr);
  EXPECT_EQ(qb::item_visible::kActiveChoicesJa[qb::item_visible::kActiveChoiceCount], nullptr);
  EXPECT_EQ(qb::item_visible::kActiveChoicesEn[qb::item_visible::kActiveChoiceCount], nullptr);
}

TEST(ItemVisibleText, JapaneseTextsAreShiftJis) {
  const std::string as_is = bytes({0x82, 0xBB, 0x82, 0xCC, 0x82, 0xDC, 0x82, 0xDC});  // そのまま
  EXPECT_EQ(std::string(qb::item_visible::kDisplayChoicesJa[0]), as_is);
  EXPECT_EQ(std::string(qb::item_visible::kVisibilityChoicesJa[0]), as_is);
  EXPECT_EQ(std::string(qb::item_visible::kActiveChoicesJa[0]), as_is);
  EXPECT_EQ(std::string(qb::item_visible::kDisplayChoicesJa[1]), bytes({0x81, 0x9E}) + "Hidden");  // ◇
  EXPECT_EQ(std::string(qb::item_visible::kDisplayChoicesJa[2]), bytes({0x81, 0xA0}) + "Bouding box");  // □
  EXPECT_EQ(std::string(qb::item_visible::kDisplayChoicesJa[8]), bytes({0x81, 0xA1}) + "Textrured w/Wireframe");  // ■
  EXPECT_EQ(std::string(qb::item_visible::kVisibilityChoicesJa[1]), bytes({0x81, 0x9B}) + "Hidden");  // ○
  EXPECT_EQ(std::string(qb::item_visible::kVisibilityChoicesJa[2]), bytes({0x81, 0x9C}) + "Visible");  // ●
  EXPECT_EQ(std::string(qb::item_visible::kActiveChoicesJa[1]), bytes({0x81, 0x9B}) + "Off");
  EXPECT_EQ(std::string(qb::item_visible::kActiveChoicesJa[2]), bytes({0x81, 0x9C}) + "On");
  // 全部のアイテム
  EXPECT_EQ(std::string(qb::item_visible::kScopeChoicesJa[4]),
            bytes({0x91, 0x53, 0x95, 0x94, 0x82, 0xCC, 0x83, 0x41, 0x83, 0x43, 0x83, 0x65, 0x83, 0x80}));
  EXPECT_EQ(std::string(qb::item_visible::kItemVisibleLabelsJa[0]), bytes({0x91, 0xCE, 0x8F, 0xDB}));  // 対象
  EXPECT_EQ(std::string(qb::item_visible::kItemVisibleLabelsJa[4]), bytes({0x83, 0x81, 0x83, 0x62, 0x83, 0x56, 0x83, 0x85}));
  EXPECT_EQ(std::string(qb::item_visible::kItemVisibleLabelsJa[33]), bytes({0x8E, 0xC0, 0x8D, 0x73}));  // 実行
}

TEST(ItemVisibleText, LabelsFollowTheControlsInBothLanguages) {
  EXPECT_EQ(texts_of(qb::item_visible::kItemVisibleLabelsEn, qb::item_visible::kItemVisibleLabelCount),
            (Texts{"Target", "Type", "Visible", "Active",               //
                   "Mesh", "", "", "Show", "Hide", "Null", "", "", "Show", "Hide",  //
                   "Bone", "", "", "Show", "Hide", "Camera", "", "", "Show", "Hide",  //
                   "Light", "", "", "Show", "Hide", "Show All", "Hide All", "", "Close", "Run"}));
  for (int i = 0; i < qb::item_visible::kItemVisibleLabelCount; ++i) {
    const std::string english = qb::item_visible::kItemVisibleLabelsEn[i];
    const std::string japanese = qb::item_visible::kItemVisibleLabelsJa[i];
    EXPECT_EQ(english.empty(), japanese.empty()) << i;
    // The headings Visible and Active and the Null row read the same in both.
    if (english == "Visible" || english == "Active" || english == "Null") {
      EXPECT_EQ(japanese, english) << i;
    }
  }
  // Every row's Show and Hide share their texts.
  for (int i : {12, 17, 22, 27}) {
    EXPECT_STREQ(qb::item_visible::kItemVisibleLabelsJa[i], qb::item_visible::kItemVisibleLabelsJa[7]) << i;
    EXPECT_STREQ(qb::item_visible::kItemVisibleLabelsJa[i + 1], qb::item_visible::kItemVisibleLabelsJa[8]) << i;
  }
}

class ItemVisibleLanguage : public ::testing::Test {
 protected:
  void select(uintptr_t locale) { qb::item_visible::select_item_visible_language(static_cast<unsigned long>(locale)); }
};

TEST_F(ItemVisibleLanguage, LocaleWithLow16Bits1041ChoosesJapanese) {
  for (uintptr_t locale : {uintptr_t{1041}, uintptr_t{1041 + 0x10000}}) {
    select(locale);
    EXPECT_EQ(qb::item_visible::g_item_visible_labels, qb::item_visible::kItemVisibleLabelsJa) << locale;
    const qb::ChoiceLists &lists = qb::item_visible::item_visible_choices();
    EXPECT_EQ(lists.lists, (std::vector<const char **>{qb::item_visible::kScopeChoicesJa, qb::item_visible::kDisplayChoicesJa,
                                                       qb::item_visible::kVisibilityChoicesJa, qb::item_visible::kActiveChoicesJa}));
    EXPECT_EQ(lists.counts, (std::vector<int32_t>{5, 9, 3, 3}));
  }
}

TEST_F(ItemVisibleLanguage, AnyOtherLocaleChoosesEnglishAndReplacesTheLists) {
  select(1041);
  for (uintptr_t locale : {uintptr_t{1033}, uintptr_t{0}, uintptr_t{1041 + 1}}) {
    select(locale);
    EXPECT_EQ(qb::item_visible::g_item_visible_labels, qb::item_visible::kItemVisibleLabelsEn) << locale;
    const qb::ChoiceLists &lists = qb::item_visible::item_visible_choices();
    EXPECT_EQ(lists.lists, (std::vector<const char **>{qb::item_visible::kScopeChoicesEn, qb::item_visible::kDisplayChoicesEn,
                                                       qb::item_visible::kVisibilityChoicesEn, qb::item_visible::kActiveChoicesEn}));
    EXPECT_EQ(lists.counts, (std::vector<int32_t>{5, 9, 3, 3}));
  }
}

}  // namespace
