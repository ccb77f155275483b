// The flat table of marks that item walks keep per run, checked against a
// node-based map on the same operations, through every growth of the table.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <unordered_map>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "toolkit/base/item_marks.h"
#include "toolkit/items/items.h"

namespace {

LWItemID handle(std::uintptr_t bits) { return reinterpret_cast<LWItemID>(bits); }

// Handles as hosts make them: counting up from a type base, or heap pointers
// a record apart; both collide on the low bits a plain mask would use.
std::vector<LWItemID> handles(std::size_t n) {
  std::vector<LWItemID> out;
  for (std::uintptr_t i = 1; i <= n / 2; ++i) out.push_back(handle(0x10000000u + i));
  for (std::uintptr_t i = 0; out.size() < n; ++i) out.push_back(handle(0x7f0000001000u + i * 4096));
  return out;
}

TEST(ItemMarks, AgreesWithAMapThroughEveryGrowth) {
  const std::vector<LWItemID> pool = handles(5000);
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> which(0, pool.size() - 1);
  std::uniform_int_distribution<int> bit(0, 2);
  qb::ItemMarks marks;
  std::unordered_map<LWItemID, std::uint8_t> model;
  for (int step = 0; step < 40000; ++step) {
    const LWItemID item = pool[which(random)];
    const auto mark = static_cast<std::uint8_t>(1u << bit(random));
    if (step % 3 == 0) {
      const auto found = model.find(item);
      const std::uint8_t expected = found == model.end() ? 0 : found->second;
      ASSERT_EQ(marks.has(item, mark), (expected & mark) != 0);
    } else {
      std::uint8_t &expected = model[item];
      ASSERT_EQ(marks.add(item, mark), expected);
      expected |= mark;
    }
    ASSERT_EQ(marks.size(), model.size());
  }
  for (LWItemID item : pool) {
    const auto found = model.find(item);
    EXPECT_EQ(marks.has(item, 1), found != model.end() && (found->second & 1) != 0);
  }
}

// The null handle is an item like any other; adding no mark leaves an
// unknown item out.
TEST(ItemMarks, SetAnswersWhetherTheMarkIsNew) {
  qb::ItemMarks marks(1);
  const LWItemID a = handle(0x10000001u);
  for (LWItemID item : {LWItemID{}, a}) {
    EXPECT_FALSE(marks.has(item));
    EXPECT_TRUE(marks.set(item));
    EXPECT_FALSE(marks.set(item));
    EXPECT_TRUE(marks.has(item));
  }
  EXPECT_TRUE(marks.set(a, 2));
  EXPECT_EQ(marks.add(a, 4), 3);
  EXPECT_EQ(marks.add(handle(0x10000002u), 0), 0);
  EXPECT_EQ(marks.size(), 2u);
}

// A list free of repeats is selected as select_same_type selects it.
TEST(DistinctSelection, SendsWhatSelectSameTypeSends) {
  qbtest::TestHost host;
  qb::load_service_table(host.global());
  const LWItemID light = host.add(LWI_LIGHT, "A");
  const LWItemID b = host.add(LWI_OBJECT, "B");
  const LWItemID c = host.add(LWI_OBJECT, "C");
  const LWItemID bone = host.add(LWI_BONE, "D", nullptr, c);
  for (const qb::ItemList &list : {qb::ItemList{light, b, c}, qb::ItemList{c, nullptr, bone, b, light},
                                   qb::ItemList{b, light}, qb::ItemList{nullptr}, qb::ItemList{}}) {
    host.commands.clear();
    qb::select_same_type(list);
    const std::vector<std::string> expected = host.commands;
    host.commands.clear();
    qb::select_distinct_same_type(list);
    EXPECT_EQ(host.commands, expected);
  }
  host.commands.clear();
  qb::select_distinct_same_type({b, light, c});
  EXPECT_EQ(host.commands,
            (std::vector<std::string>{"SelectItem " + qbtest::hex(c), "AddToSelection " + qbtest::hex(b)}));
}

}  // namespace
