#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "tools/tools.h"
#include "tools/visibility/item_visible_text.h"

namespace {

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
            (Texts{"As is", "Hidden", "Bouding box", "Vertices", "Wireframe", "Front Face Wireframe",
                   "Shaded Solid", "Textured Solid", "Textrured w/Wireframe"}));
  EXPECT_EQ(texts_of(qb::item_visible::kVisibilityChoicesEn, qb::item_visible::kVisibilityChoiceCount),
            (Texts{"As is", "Hidden", "Visible"}));
  EXPECT_EQ(texts_of(qb::item_visible::kActiveChoicesEn, qb::item_visible::kActiveChoiceCount),
            (Texts{"As is", "Off", "On"}));
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

class ItemVisibleLanguage : public ::testing::Test {
 protected:
  void select(uintptr_t locale) {
    qb::item_visible::select_item_visible_language(static_cast<unsigned long>(locale));
  }
};

TEST_F(ItemVisibleLanguage, LocaleWithLow16Bits1041ChoosesJapanese) {
  for (uintptr_t locale : {uintptr_t{1041}, uintptr_t{1041 + 0x10000}}) {
    select(locale);
    EXPECT_EQ(qb::item_visible::g_item_visible_labels, qb::item_visible::kItemVisibleLabelsJa) << locale;
    const qb::ChoiceLists &lists = qb::item_visible::item_visible_choices();
    EXPECT_EQ(lists.lists, (std::vector<const char **>{
                               qb::item_visible::kScopeChoicesJa, qb::item_visible::kDisplayChoicesJa,
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
    EXPECT_EQ(lists.lists, (std::vector<const char **>{
                               qb::item_visible::kScopeChoicesEn, qb::item_visible::kDisplayChoicesEn,
                               qb::item_visible::kVisibilityChoicesEn, qb::item_visible::kActiveChoicesEn}));
    EXPECT_EQ(lists.counts, (std::vector<int32_t>{5, 9, 3, 3}));
  }
}

}  // namespace
