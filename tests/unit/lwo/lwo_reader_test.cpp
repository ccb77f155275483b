// Object file layer reader over byte buffers built here (reading from disk:
// lwo_reader_file_test.cpp).  Every damaged file is rejected whole; every
// accepted one gives its layers in chunk order.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "lwo/lwo_reader.h"
#include "tests/unit/support/lwo_bytes.h"

namespace {

using namespace lwo_bytes;
using qb::LwoFile;
using qb::LwoLayer;

constexpr uint16_t kNone = 0xFFFF;  // no parent

// Decodes into a list that still holds a layer, so that a failure that
// leaves one behind shows.
bool decode_over_stale(const Bytes &bytes, std::vector<LwoLayer> &layers) {
  layers.assign(1, LwoLayer{});
  layers[0].name = "stale";
  return decode(bytes, layers);
}

Bytes one_layer_file(const Bytes &layr) { return lwo2(chunk("LAYR", layr)); }

Bytes with_size_field(Bytes bytes, uint32_t claimed) {
  Bytes field;
  put_u4(field, claimed);
  std::copy(field.begin(), field.end(), bytes.begin() + 4);
  return bytes;
}

// A full record whose every field differs from its default, so that a prefix
// shows exactly which fields were taken.
Bytes full_record() {
  Bytes data = layer_head(0x0102, 0x0304, 1.5f, -2.25f, 0.001f);
  append(data, s0("Arm"));
  put_u2(data, 0x0506);
  return data;
}

Bytes prefix(const Bytes &bytes, std::size_t n) {
  return Bytes(bytes.begin(), bytes.begin() + static_cast<long>(n));
}

TEST(LwoDecode, DamagedFilesAreRejectedAndLeaveNoLayers) {
  std::vector<std::pair<std::string, Bytes>> cases;
  auto add = [&](std::string what, Bytes bytes) { cases.emplace_back(std::move(what), std::move(bytes)); };
  const Bytes layr_chunks = chunk("LAYR", layer_data(0, "Body"));
  const Bytes good = one_layer_file(layer_data(0, "Body"));
  std::vector<LwoLayer> accepted;
  ASSERT_TRUE(decode(good, accepted));  // the sound file most cases below spoil

  // ---- header: only FORM of LWO2 or LWO3, its size covering the file exactly
  for (const char *type : {"LWOB", "LWLO", "lwo2", "LWO4", "ILBM", "LWO\0"})
    add("form type " + std::string(type, 4), form(std::string(type, 4), layr_chunks));
  for (const char *magic : {"RIFF", "FOR4", "form", "LIST", "CAT "}) {
    Bytes other = good;
    std::memcpy(other.data(), magic, 4);
    add(std::string("container ") + magic, other);
  }
  Bytes trailing = good;
  trailing.push_back(0);
  add("a byte after the form", trailing);
  add("form cut short", prefix(good, good.size() - 2));
  for (uint32_t claimed : {0u, 4u, 0xFFFFFFFFu, 0xFFFFFFF8u})
    add("form size " + std::to_string(claimed), with_size_field(good, claimed));
  const Bytes header = form("LWO2", {});
  add("consistent header without a chunk area", header);
  for (std::size_t n = 0; n < 12; ++n) add("first " + std::to_string(n) + " header bytes", prefix(header, n));

  // ---- chunk walk: every chunk inside the area, odd ones padded
  Bytes unpadded_last = concat({layr_chunks, chunk("TAGS", Bytes{'A', 'B', 0})});
  unpadded_last.pop_back();  // the walk would end one byte past the area
  add("odd last chunk without its pad byte", lwo2(unpadded_last));
  Bytes unpadded = chunk("TAGS", Bytes{'A', 'B', 0});
  unpadded.pop_back();  // the next chunk is read one byte early and is garbage
  add("odd chunk without its pad byte in the middle", lwo2(concat({unpadded, layr_chunks})));
  const Bytes tail{'P', 'N', 'T', 'S', 0, 0, 0};
  for (std::size_t n : {1u, 2u, 3u, 5u, 6u, 7u})
    add("partial ID or header of " + std::to_string(n) + " bytes at the end",
        lwo2(concat({layr_chunks, prefix(tail, n)})));
  Bytes past = chunk("PNTS", Bytes(12, 0));
  past[7] = 13;  // one byte more than there is
  add("chunk one byte past the end", lwo2(concat({layr_chunks, past})));
  Bytes huge{'P', 'N', 'T', 'S'};
  put_u4(huge, 0xFFFFFFFFu);
  huge.resize(huge.size() + 4, 0);
  add("chunk of the largest size", lwo2(huge));
  Bytes layr_past = layr_chunks;
  layr_past[7] = static_cast<unsigned char>(layr_past[7] + 2);
  add("LAYR claiming bytes it doesn't have", lwo2(layr_past));

  // ---- layer data: fields whole, the name NUL-terminated and padded, at
  // most a parent after it; one bad layer discards the layers before it
  const Bytes junk(5, 0xEE);
  add("LAYR of junk", lwo2(chunk("LAYR", junk)));
  Bytes twenty_three = layer_data(2, "Body");
  twenty_three.push_back(0);
  add("a byte after an even name", one_layer_file(twenty_three));
  add("a bad layer after a good one",
      lwo2(concat({chunk("LAYR", layer_data(0, "Arm")), chunk("LAYR", twenty_three)})));
  const Bytes full = full_record();
  // A chunk follows each: an empty LAYR at the very end would be a bare header.
  for (std::size_t n : {0u, 1u, 3u, 5u, 6u, 7u, 9u, 10u, 11u, 13u, 14u, 15u})
    add("layer data ending inside a field at " + std::to_string(n),
        lwo2(concat({chunk("LAYR", prefix(full, n)), chunk("TAGS", s0("Default"))})));
  Bytes without_pad = layer_head(2);
  put_text(without_pad, std::string("Body\0", 5));  // the NUL is there, its pad byte isn't
  add("even name without its pad byte", one_layer_file(without_pad));
  for (std::size_t extra : {1u, 3u, 4u, 6u}) {
    Bytes data = layer_data(0, "Arm");
    data.resize(data.size() + extra, 0);
    add(std::to_string(extra) + " bytes after the name field", one_layer_file(data));
  }
  Bytes no_nul = layer_head(0);
  put_text(no_nul, "Body");
  add("name without NUL", one_layer_file(no_nul));

  for (const auto &[what, bytes] : cases) {
    std::vector<LwoLayer> layers;
    EXPECT_FALSE(decode_over_stale(bytes, layers)) << what;
    EXPECT_TRUE(layers.empty()) << what;
  }
  std::vector<LwoLayer> layers{LwoLayer{}};
  EXPECT_FALSE(qb::decode_lwo(nullptr, 0, layers));
  EXPECT_TRUE(layers.empty());
}

struct Want {
  uint16_t number;
  std::string name;
  uint16_t parent;
};

TEST(LwoDecode, WellFormedFilesGiveTheirLayersInChunkOrder) {
  std::vector<std::pair<std::string, Bytes>> files;
  std::vector<std::vector<Want>> wanted;
  auto add = [&](std::string what, Bytes bytes, std::vector<Want> want) {
    files.emplace_back(std::move(what), std::move(bytes));
    wanted.push_back(std::move(want));
  };
  add("no layers", lwo2(chunk("TAGS", s0("Default"))), {});
  const Bytes arm = concat({chunk("TAGS", s0("Default")), chunk("LAYR", layer_data(3, "Arm", 1))});
  add("LWO2", form("LWO2", arm), {{3, "Arm", 1}});
  add("LWO3 read like LWO2", form("LWO3", arm), {{3, "Arm", 1}});

  // ---- chunk walk
  add("layers among other chunks",
      lwo2(concat({chunk("LAYR", layer_data(4, "Root")), chunk("PNTS", Bytes(36, 7)),
                   chunk("POLS", Bytes(10, 1)), chunk("LAYR", layer_data(2, "Child", 4)),
                   chunk("SURF", Bytes(20, 0)), chunk("LAYR", layer_data(1, ""))})),
      {{4, "Root", kNone}, {2, "Child", 4}, {1, "Layer2", kNone}});
  const Bytes odd = chunk("TAGS", Bytes{'A', 'B', 'C', 'D', 0});
  ASSERT_EQ(odd.size(), 14u);  // 8 + 5 + pad: the next chunk at the following even offset
  add("odd chunk stepped over with its pad byte", lwo2(concat({odd, chunk("LAYR", layer_data(0, "Arm"))})),
      {{0, "Arm", kNone}});
  const Bytes body = chunk("LAYR", layer_data(0, "Body"));
  add("bare ID at the end", lwo2(concat({body, Bytes{'P', 'N', 'T', 'S'}})), {{0, "Body", kNone}});
  add("bare LAYR ID alone", lwo2(Bytes{'L', 'A', 'Y', 'R'}), {});
  for (uint32_t size : {0u, 18u, 0xFFFFFFFFu}) {
    Bytes bare{'L', 'A', 'Y', 'R'};
    put_u4(bare, size);
    add("bare header of size " + std::to_string(size) + " at the end", lwo2(concat({body, bare})),
        {{0, "Body", kNone}});
  }
  // Data that would fail as a layer: only an exact "LAYR" chunk is looked at.
  const Bytes junk(5, 0xEE);
  add("IDs near LAYR",
      lwo2(concat({chunk("layr", junk), chunk("LAYX", junk), chunk(" LAY", junk),
                   chunk(std::string("LAY\0", 4), junk)})),
      {});
  const Bytes nested = concat({Bytes{'V', 'M', 'A', 'P'}, chunk("LAYR", layer_data(7, "Hidden"))});
  add("LAYR inside a nested FORM",
      form("LWO3", concat({chunk("LAYR", layer_data(0, "Top")), chunk("FORM", nested)})),
      {{0, "Top", kNone}});

  // ---- names: an empty one takes Layer<number + 1>; an even one two NUL
  // bytes, an odd one one; the bytes are kept raw
  ASSERT_EQ(layer_data(0, "").size(), 18u);
  add("empty name", one_layer_file(layer_data(0, "")), {{0, "Layer1", kNone}});
  add("empty names of large numbers",
      lwo2(concat({chunk("LAYR", layer_data(9, "")), chunk("LAYR", layer_data(65535, "", 9))})),
      {{9, "Layer10", kNone}, {65535, "Layer65536", 9}});
  add("even name", one_layer_file(layer_data(2, "Body")), {{2, "Body", kNone}});
  ASSERT_EQ(layer_data(2, "Body", 0).size(), 24u);
  add("even name and a parent", one_layer_file(layer_data(2, "Body", 0)), {{2, "Body", 0}});
  Bytes odd_pad = layer_head(2);
  put_text(odd_pad, std::string("Body\0X", 6));  // the pad byte's value is not looked at
  add("pad byte not zero", one_layer_file(odd_pad), {{2, "Body", kNone}});
  ASSERT_EQ(layer_data(5, "Arm").size(), 20u);
  add("odd name", one_layer_file(layer_data(5, "Arm")), {{5, "Arm", kNone}});
  add("parent right after an odd name", one_layer_file(layer_data(5, "Arm", 3)), {{5, "Arm", 3}});
  const std::string sjis("\x83\x7B\x83\x66\x83\x42", 6);  // three Shift-JIS characters
  const std::string high("\xFF\x01\x7F", 3);
  add("raw name bytes",
      lwo2(concat({chunk("LAYR", layer_data(0, sjis)), chunk("LAYR", layer_data(1, high, 0))})),
      {{0, sjis, kNone}, {1, high, 0}});

  for (std::size_t f = 0; f < files.size(); ++f) {
    SCOPED_TRACE(files[f].first);
    std::vector<LwoLayer> layers;
    ASSERT_TRUE(decode_over_stale(files[f].second, layers));
    ASSERT_EQ(layers.size(), wanted[f].size());
    for (std::size_t i = 0; i < layers.size(); ++i) {
      EXPECT_EQ(layers[i].number, wanted[f][i].number) << i;
      EXPECT_EQ(layers[i].name, wanted[f][i].name) << i;
      EXPECT_EQ(layers[i].parent, wanted[f][i].parent) << i;
    }
  }
}

TEST(LwoDecode, DataEndingOnAFieldBoundaryKeepsTheRestAtDefaults) {
  const Bytes full = full_record();
  const struct {
    std::size_t size;
    uint16_t number, flags;
    float pivot[3];
    const char *name;  // no name field: no default name either
    uint16_t parent;
  } cases[] = {{2, 0x0102, 0, {0, 0, 0}, "", kNone},
               {4, 0x0102, 0x0304, {0, 0, 0}, "", kNone},
               {8, 0x0102, 0x0304, {1.5f, 0, 0}, "", kNone},
               {12, 0x0102, 0x0304, {1.5f, -2.25f, 0}, "", kNone},
               {16, 0x0102, 0x0304, {1.5f, -2.25f, 0.001f}, "", kNone},
               {20, 0x0102, 0x0304, {1.5f, -2.25f, 0.001f}, "Arm", kNone},
               {22, 0x0102, 0x0304, {1.5f, -2.25f, 0.001f}, "Arm", 0x0506}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.size);
    std::vector<LwoLayer> layers;
    ASSERT_TRUE(decode_over_stale(one_layer_file(prefix(full, c.size)), layers));
    ASSERT_EQ(layers.size(), 1u);
    EXPECT_EQ(layers[0].number, c.number);
    EXPECT_EQ(layers[0].flags, c.flags);
    for (int axis = 0; axis < 3; ++axis) EXPECT_EQ(layers[0].pivot[axis], c.pivot[axis]) << axis;
    EXPECT_EQ(layers[0].name, c.name);
    EXPECT_EQ(layers[0].parent, c.parent);
  }
}

}  // namespace
