// Object file layer reader over byte buffers built here (reading from disk:
// lwo_reader_file_test.cpp).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lwo/lwo_reader.h"
#include "tests/unit/support/lwo_bytes.h"

namespace {

using namespace lwo_bytes;
using qb::LwoFile;
using qb::LwoLayer;

LwoLayer stale_layer() {
  LwoLayer layer;
  layer.name = "stale";
  return layer;
}

// Decodes and checks the failure contract: false and nothing left behind.
void expect_rejected(const Bytes &bytes) {
  std::vector<LwoLayer> layers{stale_layer()};
  EXPECT_FALSE(decode(bytes, layers));
  EXPECT_TRUE(layers.empty());
}

std::vector<LwoLayer> expect_accepted(const Bytes &bytes) {
  std::vector<LwoLayer> layers{stale_layer()};
  EXPECT_TRUE(decode(bytes, layers));
  return layers;
}

Bytes one_layer_file(const Bytes &layr) { return lwo2(chunk("LAYR", layr)); }

// ---- header ------------------------------------------------------------------

TEST(LwoHeader, FileWithoutLayersIsAcceptedWithNone) {
  EXPECT_TRUE(expect_accepted(lwo2(chunk("TAGS", s0("Default")))).empty());
}

TEST(LwoHeader, Lwo3IsReadLikeLwo2) {
  const Bytes chunks = concat({chunk("TAGS", s0("Default")), chunk("LAYR", layer_data(3, "Arm", 1))});
  const std::vector<LwoLayer> two = expect_accepted(form("LWO2", chunks));
  const std::vector<LwoLayer> three = expect_accepted(form("LWO3", chunks));
  ASSERT_EQ(two.size(), 1u);
  ASSERT_EQ(three.size(), 1u);
  EXPECT_EQ(three[0].number, two[0].number);
  EXPECT_EQ(three[0].name, "Arm");
  EXPECT_EQ(three[0].parent, 1);
}

TEST(LwoHeader, OtherFormTypesAreRejected) {
  const Bytes chunks = chunk("LAYR", layer_data(0, "Body"));
  for (const char *type : {"LWOB", "LWLO", "lwo2", "LWO4", "ILBM", "LWO\0"})
    expect_rejected(form(std::string(type, 4), chunks));
}

TEST(LwoHeader, OtherContainersAreRejected) {
  Bytes bytes = one_layer_file(layer_data(0, "Body"));
  for (const char *magic : {"RIFF", "FOR4", "form", "LIST", "CAT "}) {
    std::memcpy(bytes.data(), magic, 4);
    expect_rejected(bytes);
  }
}

TEST(LwoHeader, FormSizeMustCoverTheFileExactly) {
  const Bytes good = one_layer_file(layer_data(0, "Body"));
  expect_accepted(good);

  Bytes trailing = good;
  trailing.push_back(0);
  expect_rejected(trailing);  // a byte after the form

  Bytes truncated(good.begin(), good.end() - 2);
  expect_rejected(truncated);

  for (uint32_t claimed : {0u, 4u, 0xFFFFFFFFu, 0xFFFFFFF8u}) {
    Bytes wrong = good;
    Bytes field;
    put_u4(field, claimed);
    std::copy(field.begin(), field.end(), wrong.begin() + 4);
    expect_rejected(wrong);
  }
}

TEST(LwoHeader, TwelveBytesOrFewerAreRejected) {
  const Bytes header = form("LWO2", {});
  ASSERT_EQ(header.size(), 12u);
  expect_rejected(header);  // "FORM", size 4, "LWO2": consistent, yet no chunk area
  for (std::size_t n = 0; n < 12; ++n) expect_rejected(Bytes(header.begin(), header.begin() + n));

  std::vector<LwoLayer> layers{stale_layer()};
  EXPECT_FALSE(qb::decode_lwo(nullptr, 0, layers));
  EXPECT_TRUE(layers.empty());
}

// ---- chunk walk --------------------------------------------------------------

TEST(LwoChunks, LayersComeInChunkOrderFromAnywhereInTheArea) {
  const Bytes bytes = lwo2(concat({chunk("LAYR", layer_data(4, "Root")), chunk("PNTS", Bytes(36, 7)),
                                   chunk("POLS", Bytes(10, 1)), chunk("LAYR", layer_data(2, "Child", 4)),
                                   chunk("SURF", Bytes(20, 0)), chunk("LAYR", layer_data(1, ""))}));
  const std::vector<LwoLayer> layers = expect_accepted(bytes);
  ASSERT_EQ(layers.size(), 3u);
  EXPECT_EQ(layers[0].name, "Root");
  EXPECT_EQ(layers[1].name, "Child");
  EXPECT_EQ(layers[1].parent, 4);
  EXPECT_EQ(layers[2].name, "Layer2");
}

TEST(LwoChunks, OddChunkIsSteppedOverWithItsPadByte) {
  Bytes odd = chunk("TAGS", Bytes{'A', 'B', 'C', 'D', 0});
  ASSERT_EQ(odd.size(), 14u);  // 8 + 5 + pad
  const Bytes bytes = lwo2(concat({odd, chunk("LAYR", layer_data(0, "Arm"))}));
  ASSERT_EQ(bytes[12 + 14], 'L');  // the next chunk sits at the following even offset
  const std::vector<LwoLayer> layers = expect_accepted(bytes);
  ASSERT_EQ(layers.size(), 1u);
  EXPECT_EQ(layers[0].name, "Arm");
}

TEST(LwoChunks, OddChunkWithoutItsPadByteFails) {
  // Last chunk odd and unpadded: the walk would end one byte past the area.
  Bytes chunks = concat({chunk("LAYR", layer_data(0, "Arm")), chunk("TAGS", Bytes{'A', 'B', 0})});
  chunks.pop_back();
  expect_rejected(lwo2(chunks));

  // Unpadded in the middle: the next chunk is read one byte early and is garbage.
  Bytes middle = chunk("TAGS", Bytes{'A', 'B', 0});
  middle.pop_back();
  expect_rejected(lwo2(concat({middle, chunk("LAYR", layer_data(0, "Arm"))})));
}

TEST(LwoChunks, BareIdAtTheEndEndsTheWalk) {
  const Bytes chunks = concat({chunk("LAYR", layer_data(0, "Body")), Bytes{'P', 'N', 'T', 'S'}});
  const std::vector<LwoLayer> layers = expect_accepted(lwo2(chunks));
  ASSERT_EQ(layers.size(), 1u);
  EXPECT_EQ(layers[0].name, "Body");
  EXPECT_TRUE(expect_accepted(lwo2(Bytes{'L', 'A', 'Y', 'R'})).empty());
}

TEST(LwoChunks, BareHeaderAtTheEndEndsTheWalkWhateverItsSize) {
  for (uint32_t size : {0u, 18u, 0xFFFFFFFFu}) {
    Bytes header{'L', 'A', 'Y', 'R'};
    put_u4(header, size);
    const std::vector<LwoLayer> layers = expect_accepted(lwo2(concat({chunk("LAYR", layer_data(0, "Body")), header})));
    ASSERT_EQ(layers.size(), 1u) << size;
    EXPECT_EQ(layers[0].name, "Body");
  }
}

TEST(LwoChunks, PartialIdOrPartialHeaderAtTheEndFails) {
  const Bytes first = chunk("LAYR", layer_data(0, "Body"));
  const Bytes tail{'P', 'N', 'T', 'S', 0, 0, 0};
  for (std::size_t n : {1u, 2u, 3u, 5u, 6u, 7u})
    expect_rejected(lwo2(concat({first, Bytes(tail.begin(), tail.begin() + n)})));
}

TEST(LwoChunks, ChunkReachingPastTheEndFails) {
  Bytes past = chunk("PNTS", Bytes(12, 0));
  past[7] = 13;  // one byte more than there is
  expect_rejected(lwo2(concat({chunk("LAYR", layer_data(0, "Body")), past})));

  Bytes huge{'P', 'N', 'T', 'S'};
  put_u4(huge, 0xFFFFFFFFu);
  huge.resize(huge.size() + 4, 0);
  expect_rejected(lwo2(huge));

  Bytes layr = chunk("LAYR", layer_data(0, "Body"));
  layr[7] = static_cast<unsigned char>(layr[7] + 2);  // LAYR claiming bytes it doesn't have
  expect_rejected(lwo2(layr));
}

TEST(LwoChunks, OnlyTheExactIdLayrIsDecoded) {
  // Data that would fail as a layer: only an exact "LAYR" chunk is looked at.
  const Bytes junk(5, 0xEE);
  const Bytes chunks = concat({chunk("layr", junk), chunk("LAYX", junk), chunk(" LAY", junk),
                               chunk(std::string("LAY\0", 4), junk)});
  EXPECT_TRUE(expect_accepted(lwo2(chunks)).empty());
  expect_rejected(lwo2(chunk("LAYR", junk)));
}

TEST(LwoChunks, LayrInsideANestedFormIsNotALayer) {
  const Bytes nested = concat({Bytes{'V', 'M', 'A', 'P'}, chunk("LAYR", layer_data(7, "Hidden"))});
  const Bytes bytes = form("LWO3", concat({chunk("LAYR", layer_data(0, "Top")), chunk("FORM", nested)}));
  const std::vector<LwoLayer> layers = expect_accepted(bytes);
  ASSERT_EQ(layers.size(), 1u);
  EXPECT_EQ(layers[0].name, "Top");
}

TEST(LwoChunks, OneBadLayerDiscardsTheLayersBeforeIt) {
  Bytes bad = layer_data(1, "Body");
  bad.push_back(0);  // 23 bytes
  expect_rejected(lwo2(concat({chunk("LAYR", layer_data(0, "Arm")), chunk("LAYR", bad)})));
}

// ---- layer decoding ----------------------------------------------------------

// A full record whose every field differs from its default, so that a prefix
// shows exactly which fields were taken.
Bytes full_record() {
  Bytes data = layer_head(0x0102, 0x0304, 1.5f, -2.25f, 0.001f);
  append(data, s0("Arm"));
  put_u2(data, 0x0506);
  return data;
}

TEST(LwoLayers, DataEndingInsideAFieldFails) {
  const Bytes full = full_record();
  // A chunk follows: an empty LAYR at the very end would be a bare header.
  for (std::size_t n : {0u, 1u, 3u, 5u, 6u, 7u, 9u, 10u, 11u, 13u, 14u, 15u})
    expect_rejected(lwo2(concat({chunk("LAYR", Bytes(full.begin(), full.begin() + n)), chunk("TAGS", s0("Default"))})));
}

TEST(LwoLayers, DataEndingOnAFieldBoundaryKeepsTheRestAtDefaults) {
  const Bytes full = full_record();
  auto prefix = [&](std::size_t n) {
    std::vector<LwoLayer> layers = expect_accepted(one_layer_file(Bytes(full.begin(), full.begin() + n)));
    EXPECT_EQ(layers.size(), 1u) << n;
    return layers.empty() ? LwoLayer{} : layers[0];
  };
  LwoLayer two = prefix(2);
  EXPECT_EQ(two.number, 0x0102);
  EXPECT_EQ(two.flags, 0);
  EXPECT_EQ(two.pivot[0], 0.0f);
  EXPECT_EQ(two.name, "");
  EXPECT_EQ(two.parent, 0xFFFF);

  LwoLayer four = prefix(4);
  EXPECT_EQ(four.flags, 0x0304);
  EXPECT_EQ(four.pivot[0], 0.0f);

  LwoLayer eight = prefix(8);
  EXPECT_EQ(eight.pivot[0], 1.5f);
  EXPECT_EQ(eight.pivot[1], 0.0f);

  LwoLayer twelve = prefix(12);
  EXPECT_EQ(twelve.pivot[1], -2.25f);
  EXPECT_EQ(twelve.pivot[2], 0.0f);

  LwoLayer sixteen = prefix(16);
  EXPECT_EQ(sixteen.pivot[2], 0.001f);
  EXPECT_EQ(sixteen.name, "");  // no name field: no default name either
  EXPECT_EQ(sixteen.parent, 0xFFFF);

  LwoLayer twenty = prefix(20);
  EXPECT_EQ(twenty.name, "Arm");
  EXPECT_EQ(twenty.parent, 0xFFFF);

  LwoLayer whole = prefix(22);
  EXPECT_EQ(whole.number, 0x0102);
  EXPECT_EQ(whole.flags, 0x0304);
  EXPECT_EQ(whole.pivot[0], 1.5f);
  EXPECT_EQ(whole.pivot[1], -2.25f);
  EXPECT_EQ(whole.pivot[2], 0.001f);
  EXPECT_EQ(whole.name, "Arm");
  EXPECT_EQ(whole.parent, 0x0506);
}

TEST(LwoLayers, EmptyNameTakesTheDefaultFromTheNumber) {
  const Bytes data = layer_data(0, "");
  ASSERT_EQ(data.size(), 18u);
  std::vector<LwoLayer> layers = expect_accepted(one_layer_file(data));
  ASSERT_EQ(layers.size(), 1u);
  EXPECT_EQ(layers[0].name, "Layer1");
  EXPECT_EQ(layers[0].parent, 0xFFFF);

  layers = expect_accepted(lwo2(concat({chunk("LAYR", layer_data(9, "")), chunk("LAYR", layer_data(65535, "", 9))})));
  ASSERT_EQ(layers.size(), 2u);
  EXPECT_EQ(layers[0].name, "Layer10");
  EXPECT_EQ(layers[1].name, "Layer65536");
  EXPECT_EQ(layers[1].parent, 9);
}

TEST(LwoLayers, EvenNameTakesTwoNulBytes) {
  // Body: 4 bytes, a 6-byte field; 22 bytes without a parent, 24 with one.
  std::vector<LwoLayer> layers = expect_accepted(one_layer_file(layer_data(2, "Body")));
  ASSERT_EQ(layers.size(), 1u);
  EXPECT_EQ(layers[0].name, "Body");
  EXPECT_EQ(layers[0].parent, 0xFFFF);

  const Bytes with_parent = layer_data(2, "Body", 0);
  ASSERT_EQ(with_parent.size(), 24u);
  layers = expect_accepted(one_layer_file(with_parent));
  ASSERT_EQ(layers.size(), 1u);
  EXPECT_EQ(layers[0].parent, 0);

  Bytes twenty_three = layer_data(2, "Body");
  twenty_three.push_back(0);
  expect_rejected(one_layer_file(twenty_three));

  Bytes without_pad = layer_head(2);
  put_text(without_pad, std::string("Body\0", 5));  // the NUL is there, its pad byte isn't
  expect_rejected(one_layer_file(without_pad));

  Bytes odd_pad = layer_head(2);
  put_text(odd_pad, std::string("Body\0X", 6));  // the pad byte's value is not looked at
  layers = expect_accepted(one_layer_file(odd_pad));
  ASSERT_EQ(layers.size(), 1u);
  EXPECT_EQ(layers[0].name, "Body");
}

TEST(LwoLayers, OddNameTakesOneNulByte) {
  const Bytes arm = layer_data(5, "Arm");
  ASSERT_EQ(arm.size(), 20u);
  std::vector<LwoLayer> layers = expect_accepted(one_layer_file(arm));
  ASSERT_EQ(layers.size(), 1u);
  EXPECT_EQ(layers[0].name, "Arm");

  layers = expect_accepted(one_layer_file(layer_data(5, "Arm", 3)));  // parent right after an odd name
  ASSERT_EQ(layers.size(), 1u);
  EXPECT_EQ(layers[0].parent, 3);
}

TEST(LwoLayers, BytesAfterTheNameFieldMustBeExactlyAParent) {
  for (std::size_t extra : {1u, 3u, 4u, 6u}) {
    Bytes data = layer_data(0, "Arm");
    data.resize(data.size() + extra, 0);
    expect_rejected(one_layer_file(data));
  }
}

TEST(LwoLayers, NameWithoutNulFails) {
  Bytes data = layer_head(0);
  put_text(data, "Body");
  expect_rejected(one_layer_file(data));
}

TEST(LwoLayers, NameBytesAreKeptRaw) {
  const std::string sjis("\x83\x7B\x83\x66\x83\x42", 6);  // three Shift-JIS characters
  const std::string high("\xFF\x01\x7F", 3);
  std::vector<LwoLayer> layers =
      expect_accepted(lwo2(concat({chunk("LAYR", layer_data(0, sjis)), chunk("LAYR", layer_data(1, high, 0))})));
  ASSERT_EQ(layers.size(), 2u);
  EXPECT_EQ(layers[0].name, sjis);
  EXPECT_EQ(layers[1].name, high);
  EXPECT_EQ(layers[1].parent, 0);
}

// ---- find_layer --------------------------------------------------------------

LwoFile file_of(std::initializer_list<Bytes> layrs) {
  Bytes chunks;
  for (const Bytes &data : layrs) append(chunks, chunk("LAYR", data));
  LwoFile file;
  EXPECT_TRUE(decode(lwo2(chunks), file.layers));
  return file;
}

TEST(LwoFindLayer, FirstOfTwoEqualNamesWins) {
  const LwoFile file = file_of({layer_data(0, "Arm"), layer_data(1, "Body"), layer_data(2, "Body")});
  ASSERT_EQ(file.layers.size(), 3u);
  EXPECT_EQ(qb::find_layer(file, "Body"), &file.layers[1]);
  EXPECT_EQ(qb::find_layer(file, "Arm"), &file.layers[0]);
}

TEST(LwoFindLayer, NamesCompareByteForByte) {
  const LwoFile file = file_of({layer_data(0, "Body"), layer_data(1, "")});
  ASSERT_EQ(file.layers.size(), 2u);
  EXPECT_EQ(qb::find_layer(file, "body"), nullptr);
  EXPECT_EQ(qb::find_layer(file, "BODY"), nullptr);
  EXPECT_EQ(qb::find_layer(file, "Bod"), nullptr);
  EXPECT_EQ(qb::find_layer(file, "Body "), nullptr);
  EXPECT_EQ(qb::find_layer(file, std::string("Body\0", 5)), nullptr);
  EXPECT_EQ(qb::find_layer(file, "Layer2"), &file.layers[1]);  // the default name is a real name
  EXPECT_EQ(qb::find_layer(file, "Layer1"), nullptr);
}

TEST(LwoFindLayer, EmptyKeyFindsNothingEvenAnEmptyName) {
  const LwoFile file = file_of({layer_head(0), layer_data(1, "Body")});
  ASSERT_EQ(file.layers.size(), 2u);
  ASSERT_EQ(file.layers[0].name, "");
  EXPECT_EQ(qb::find_layer(file, ""), nullptr);
  EXPECT_EQ(qb::find_layer(LwoFile{}, "Body"), nullptr);
}

}  // namespace
