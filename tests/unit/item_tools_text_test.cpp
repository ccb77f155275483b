#include <gtest/gtest.h>

#include <string>

#include "toolkit/panel.h"
#include "tools/hierarchy/item_tools_text.h"

namespace {

std::string bytes(std::initializer_list<unsigned char> list) { return std::string(list.begin(), list.end()); }

TEST(ItemToolsText, JapaneseTextsAreShiftJis) {
  EXPECT_EQ(std::string(qb::hierarchy::kItemToolsTextJa[5]), bytes({0x8E, 0xC0, 0x8D, 0x73}));  // 実行
  EXPECT_EQ(std::string(qb::hierarchy::kItemToolsTextJa[19]), bytes({0x95, 0xC2, 0x82, 0xB6, 0x82, 0xE9}));  // 閉じる
  // 親アイテム
  EXPECT_EQ(std::string(qb::hierarchy::kItemToolsTextJa[2]), bytes({0x90, 0x65, 0x83, 0x41, 0x83, 0x43, 0x83, 0x65, 0x83, 0x80}));
  // 親アイテムが見つかりません！ ends in the full-width exclamation mark.
  std::string parent_missing = qb::hierarchy::kItemToolsMessagesJa[qb::hierarchy::kMsgParentNotFound];
  EXPECT_EQ(parent_missing.substr(0, 2), bytes({0x90, 0x65}));
  EXPECT_EQ(parent_missing.substr(parent_missing.size() - 2), bytes({0x81, 0x49}));
  // (ワイルドカードが使えます) keeps its ASCII parentheses.
  std::string wildcard = qb::hierarchy::kItemToolsTextJa[13];
  EXPECT_EQ(wildcard.front(), '(');
  EXPECT_EQ(wildcard.back(), ')');
  EXPECT_EQ(wildcard.substr(1, 2), bytes({0x83, 0x8F}));  // ワ
}

TEST(ItemToolsText, SharedPositionsAreEqualInBothLanguages) {
  for (int i : {0, 6, 9, 15, 18, 20}) {
    EXPECT_STREQ(qb::hierarchy::kItemToolsTextJa[i], "") << i;
    EXPECT_STREQ(qb::hierarchy::kItemToolsTextEn[i], "") << i;
  }
  for (int i : {5, 8, 14, 17}) {
    EXPECT_STREQ(qb::hierarchy::kItemToolsTextEn[i], "Run") << i;
    EXPECT_STREQ(qb::hierarchy::kItemToolsTextJa[i], qb::hierarchy::kItemToolsTextJa[5]) << i;
  }
  for (int i : {3, 12}) {
    EXPECT_EQ(std::string(qb::hierarchy::kItemToolsTextJa[i]), "\x03(i:MIMG_LEFTARROW)") << i;
    EXPECT_EQ(std::string(qb::hierarchy::kItemToolsTextEn[i]), "\x03(i:MIMG_LEFTARROW)") << i;
  }
  for (int i : {0, 3}) {
    EXPECT_STREQ(qb::hierarchy::kItemToolsMessagesJa[i], "Error");
    EXPECT_STREQ(qb::hierarchy::kItemToolsMessagesEn[i], "Error");
  }
  for (int i : {2, 5}) {
    EXPECT_STREQ(qb::hierarchy::kItemToolsMessagesJa[i], "");
    EXPECT_STREQ(qb::hierarchy::kItemToolsMessagesEn[i], "");
  }
}

TEST(PanelTitle, ServerNameVersionAndABlank) {
  EXPECT_EQ(qb::panel_title("QB:NameReplace"), "QB:NameReplace(1.00) ");
  EXPECT_EQ(qb::panel_title("QB:ItemTools"), "QB:ItemTools(1.00) ");
}

}  // namespace
