#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "toolkit/lwtool2/control_text.h"
#include "toolkit/panel.h"

namespace {

// A control holding a text, as the host keeps it; it may fill the whole
// buffer without a terminator.
struct FakeControl {
  LWControl control{};
  std::string text;
  int last_tag = -1;
  int last_buffer_size = 0;
  bool forget_terminator = false;
};

void get(LWControlID control, int tag, LWValue *value) {
  FakeControl &c = *reinterpret_cast<FakeControl *>(static_cast<LWControl *>(control)->priv_data);
  c.last_tag = tag;
  c.last_buffer_size = value->str.bufLen;
  std::size_t n = std::min<std::size_t>(c.text.size(), static_cast<std::size_t>(value->str.bufLen));
  std::memcpy(value->str.buf, c.text.data(), n);
  if (!c.forget_terminator) value->str.buf[std::min<std::size_t>(n, value->str.bufLen - 1)] = '\0';
}

TEST(PanelControl, ReadControlTextBothLayers) {
  for (auto read : {qb::read_control_text, lwtool2::read_control_text}) {
    FakeControl fake;
    fake.control = LWControl{nullptr, get, nullptr, &fake};
    fake.text = "Parent*";
    EXPECT_EQ(read(&fake.control), "Parent*");
    EXPECT_EQ(fake.last_tag, CTL_VALUE);
    EXPECT_EQ(fake.last_buffer_size, 512);
    // At most 511 bytes, also from a control that fills the whole buffer.
    fake.text = std::string(800, 'q');
    EXPECT_EQ(read(&fake.control), std::string(511, 'q'));
    fake.forget_terminator = true;
    EXPECT_EQ(read(&fake.control), std::string(511, 'q'));
    fake.forget_terminator = false;
    fake.text = "b";  // a shorter text after a long one
    EXPECT_EQ(read(&fake.control), "b");
    EXPECT_EQ(read(nullptr), "");
  }
}

// Each descriptor fills its own variant of the union, at the host's offsets.
TEST(PanelDescriptors, FillTheirVariantOfTheUnion) {
  EXPECT_EQ(qb::string_desc(200).type, LWT_STRING);
  EXPECT_EQ(qb::string_desc(200).string.width, 200);
  const char *items[] = {"a", "b", nullptr};
  LWPanControlDesc choice = qb::choice_desc(items, qb::ChoiceLayout::kVertical);
  EXPECT_EQ(choice.type, LWT_CHOICE);
  EXPECT_EQ(choice.choice.items, items);
  EXPECT_EQ(choice.choice.vertical, 1);
  LWPanControlDesc popup = qb::popup_desc(items, 120);
  EXPECT_EQ(popup.type, LWT_CHOICE);
  EXPECT_EQ(popup.choice.items, items);
  EXPECT_EQ(popup.choice.vertical, 120);  // the pop-up's width
  LWPanControlDesc text = qb::text_desc();
  EXPECT_EQ(text.type, LWT_TEXT);
  ASSERT_NE(text.text.text, nullptr);
  EXPECT_EQ(text.text.text[0], nullptr);
  EXPECT_EQ(qb::bool_desc().type, LWT_BOOLEAN);
  LWPanControlDesc area = qb::area_desc(300, 2);
  EXPECT_EQ(area.type, LWT_AREA);
  EXPECT_EQ(area.area.width, 300);
  EXPECT_EQ(area.area.height, 2);
  int (*count)(void *) = [](void *) { return 0; };
  LWPanControlDesc list = qb::multilist_desc(400, 10, count, nullptr, nullptr);
  EXPECT_EQ(list.type, LWT_MLIST);
  EXPECT_EQ(list.multiList.width, 400);
  EXPECT_EQ(list.multiList.visItems, 10);
  EXPECT_EQ(list.multiList.countFn, count);
}

}  // namespace
