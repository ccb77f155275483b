#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "toolkit/panel.h"

namespace {

// A control holding a text and an integer, as the host keeps them.
struct FakeControl {
  LWControl control{};
  std::string text;
  int integer = 0;
  int last_tag = -1;
  int last_buffer_size = 0;
  bool forget_terminator = false;
  void *pointer = nullptr;
  int drawn = -1;
};

FakeControl &of(LWControlID control) {
  return *reinterpret_cast<FakeControl *>(static_cast<LWControl *>(control)->priv_data);
}

void get(LWControlID control, int tag, LWValue *value) {
  FakeControl &c = of(control);
  c.last_tag = tag;
  if (value->type == LWT_STRING) {
    c.last_buffer_size = value->str.bufLen;
    std::size_t n = std::min<std::size_t>(c.text.size(), static_cast<std::size_t>(value->str.bufLen));
    std::memcpy(value->str.buf, c.text.data(), n);
    if (!c.forget_terminator) value->str.buf[std::min<std::size_t>(n, value->str.bufLen - 1)] = '\0';
  } else {
    value->intv.value = c.integer;
  }
}

void set(LWControlID control, int tag, LWValue *value) {
  FakeControl &c = of(control);
  c.last_tag = tag;
  if (value->type == LWT_STRING) c.text.assign(value->str.buf, value->str.bufLen - 1);
  else if (value->type == LWT_INTEGER) c.integer = value->intv.value;
  else if (value->type == LWT_POINTER) c.pointer = value->ptr.ptr;
}

void draw(LWControlID control, int mode) { of(control).drawn = mode; }

struct PanelControl : ::testing::Test {
  PanelControl() {
    fake.control = LWControl{draw, get, set, &fake};
  }
  FakeControl fake;
  LWControl *control = &fake.control;
};

TEST_F(PanelControl, ReadControlTextBothLayers) {
  fake.text = "Parent*";
  EXPECT_EQ(qb::read_control_text(control), "Parent*");
  EXPECT_EQ(fake.last_tag, CTL_VALUE);
  EXPECT_EQ(fake.last_buffer_size, 512);
  EXPECT_EQ(lwtool2::read_control_text(control), "Parent*");
  EXPECT_EQ(fake.last_buffer_size, 512);
}

TEST_F(PanelControl, ReadControlTextGivesAtMost511Bytes) {
  fake.text = std::string(800, 'q');
  EXPECT_EQ(qb::read_control_text(control), std::string(511, 'q'));
  EXPECT_EQ(lwtool2::read_control_text(control), std::string(511, 'q'));
  fake.forget_terminator = true;  // a control that fills the whole buffer
  EXPECT_EQ(qb::read_control_text(control), std::string(511, 'q'));
  EXPECT_EQ(lwtool2::read_control_text(control), std::string(511, 'q'));
}

TEST_F(PanelControl, ReadControlTextOfAShorterTextAfterALongOne) {
  fake.text = std::string(300, 'a');
  qb::read_control_text(control);
  fake.text = "b";
  EXPECT_EQ(qb::read_control_text(control), "b");
  EXPECT_EQ(qb::read_control_text(nullptr), "");
  EXPECT_EQ(lwtool2::read_control_text(nullptr), "");
}

TEST_F(PanelControl, AttributeWrappers) {
  qb::set_int(control, CTL_VALUE, 7);
  EXPECT_EQ(fake.integer, 7);
  EXPECT_EQ(qb::get_int(control, CTL_VALUE), 7);
  qb::set_text(control, "C:\\Objects");
  EXPECT_EQ(fake.text, "C:\\Objects");
  int data = 0;
  qb::set_user_data(control, &data);
  EXPECT_EQ(fake.last_tag, CTL_USERDATA);
  EXPECT_EQ(fake.pointer, &data);
  qb::set_event(control, [](LWControlID, void *) {});
  EXPECT_EQ(fake.last_tag, CTL_USEREVENT);
  EXPECT_NE(fake.pointer, nullptr);
  qb::draw(control, DR_GHOST);
  EXPECT_EQ(fake.drawn, DR_GHOST);
}

// Each descriptor fills its own variant of the union, at the host's offsets.
TEST(PanelDescriptors, FillTheirVariantOfTheUnion) {
  EXPECT_EQ(qb::string_desc(200).type, LWT_STRING);
  EXPECT_EQ(qb::string_desc(200).string.width, 200);
  const char *items[] = {"a", "b", nullptr};
  LWPanControlDesc choice = qb::choice_desc(items, 1);
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

struct PanelLog {
  int tag = -1;
  void *value = nullptr;
  int int_value = 0;
};
PanelLog g_panel_log;

TEST(PanelAttributes, IntegersByAddressPointersAsThemselves) {
  LWPanelFuncs funcs{};
  funcs.set = [](LWPanelID, int tag, void *value) {
    g_panel_log.tag = tag;
    g_panel_log.value = value;
    if (tag == PAN_W || tag == PAN_H) g_panel_log.int_value = *static_cast<int *>(value);
  };
  int panel = 0;
  qb::set_panel_int(&funcs, &panel, PAN_W, 320);
  EXPECT_EQ(g_panel_log.tag, PAN_W);
  EXPECT_EQ(g_panel_log.int_value, 320);
  qb::set_panel_ptr(&funcs, &panel, PAN_USERDATA, &panel);
  EXPECT_EQ(g_panel_log.value, &panel);
  qb::bring_to_front(&funcs, &panel);
  EXPECT_EQ(g_panel_log.tag, PAN_TO_FRONT);
  EXPECT_EQ(g_panel_log.value, nullptr);
  qb::set_panel_close_hook(&funcs, &panel, [](LWPanelID, void *) {});
  EXPECT_EQ(g_panel_log.tag, PAN_USERCLOSE);
  EXPECT_NE(g_panel_log.value, nullptr);
}

}  // namespace
