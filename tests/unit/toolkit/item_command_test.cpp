// Selection commands are written without printf; they must read exactly as
// "<verb> 0x%x" formats them, for any handle (only the low 32 bits count).
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "toolkit/items/items.h"
#include "toolkit/text/format.h"

namespace {

LWItemID handle(std::uint64_t bits) { return reinterpret_cast<LWItemID>(static_cast<std::uintptr_t>(bits)); }

TEST(ItemCommand, ReadsAsPrintfFormatsIt) {
  std::mt19937_64 random(99);
  for (int i = 0; i < 20000; ++i) {
    // Shifted values reach every length of the hexadecimal form.
    const std::uint64_t bits = random() >> (i % 64);
    const LWItemID item = handle(bits);
    ASSERT_EQ(qb::item_command("AddToSelection", item),
              qb::format_text("AddToSelection 0x%x", qb::item_id_bits(item)))
        << bits;
  }
  EXPECT_EQ(qb::item_command("SelectItem", handle(0)), "SelectItem 0x0");
  EXPECT_EQ(qb::item_command("SelectItem", handle(0xffffffffu)), "SelectItem 0xffffffff");
  EXPECT_EQ(qb::item_command("SelectItem", handle(0x1234567800000abcull)), "SelectItem 0xabc");
  EXPECT_EQ(qb::item_command("", handle(0x10)), " 0x10");
}

}  // namespace
