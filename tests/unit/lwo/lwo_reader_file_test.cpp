// Reading an object file from disk gives exactly what decoding the same bytes
// in memory gives, wherever the file ends, and a file is read in one piece.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "lwo/lwo_reader.h"
#include "tests/unit/support/lwo_bytes.h"
#include "tests/unit/support/test_folder.h"

using namespace lwo_bytes;
using qb::LwoFile;
using qb::LwoLayer;

namespace {

class LwoFileReads : public ::testing::Test {
 protected:
  qbtest::TestFolder folder_{"qb_lwo_file"};
  const std::filesystem::path &dir_ = folder_.path;

  std::string write(const std::string &name, const Bytes &bytes) { return folder_.write(name, bytes); }

  // A file that still holds a layer: every failure must leave none.
  static LwoFile stale_file() {
    LwoFile file;
    file.path = "stale";
    file.layers.push_back(LwoLayer{});
    return file;
  }

  // The file read from disk and the same bytes decoded in memory agree.
  void expect_same_as_memory(const Bytes &bytes, const std::string &what) {
    std::vector<LwoLayer> decoded;
    const bool decoded_ok = qb::decode_lwo(bytes.data(), bytes.size(), decoded);
    LwoFile file;
    file.layers.resize(1);
    const bool read_ok = qb::read_lwo_file(write("same.lwo", bytes), file);
    ASSERT_EQ(read_ok, decoded_ok) << what;
    ASSERT_EQ(file.layers.size(), decoded.size()) << what;
    for (std::size_t i = 0; i < decoded.size(); ++i) {
      EXPECT_EQ(file.layers[i].number, decoded[i].number) << what;
      EXPECT_EQ(file.layers[i].name, decoded[i].name) << what;
      EXPECT_EQ(file.layers[i].parent, decoded[i].parent) << what;
    }
  }
};

// The form size made to match the bytes, so that the chunk walk decides.
Bytes with_form_size(Bytes bytes) {
  const uint32_t size = static_cast<uint32_t>(bytes.size() - 8);
  for (int i = 0; i < 4; ++i) bytes[4 + i] = static_cast<unsigned char>(size >> (24 - 8 * i));
  return bytes;
}

Bytes filler(std::size_t n) {
  Bytes out(n);
  for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<unsigned char>(i * 7 + 3);
  return out;
}

// Chunks small and large, odd ones with their pad byte, and LAYR chunks
// before, between and after them, one with a name longer than a page.
Bytes mixed_file() {
  return lwo2(concat({chunk("TAGS", s0("Default")), chunk("LAYR", layer_data(0, "Body")),
                      chunk("PNTS", filler(5001)), chunk("LAYR", layer_data(1, "Wheel", 0)),
                      chunk("POLS", filler(4093)), chunk("LAYR", layer_data(2, std::string(4500, 'n'))),
                      chunk("LAYR", layer_data(3, "")), chunk("SURF", filler(3))}));
}

TEST_F(LwoFileReads, WhateverTheFileEndsAtTheDiskAndMemoryAgree) {
  const Bytes whole = mixed_file();
  {
    LwoFile file;
    ASSERT_TRUE(qb::read_lwo_file(write("whole.lwo", whole), file));
    ASSERT_EQ(file.layers.size(), 4u);
    EXPECT_EQ(file.layers[1].name, "Wheel");
    EXPECT_EQ(file.layers[2].name, std::string(4500, 'n'));
    EXPECT_EQ(file.layers[3].name, "Layer4");
  }
  // Every end within a few bytes of a chunk boundary, and others spread
  // between: bare IDs, bare headers, chunks cut short, missing pad bytes.
  std::vector<std::size_t> ends;
  for (std::size_t at = 12, step = 0; at < whole.size(); at += 8 + step + step % 2) {
    for (std::size_t near = at > 4 ? at - 4 : 0; near <= at + 12; ++near) ends.push_back(near);
    step = (std::size_t{whole[at + 4]} << 24) | (std::size_t{whole[at + 5]} << 16) |
           (std::size_t{whole[at + 6]} << 8) | whole[at + 7];
  }
  for (std::size_t end = 13; end < whole.size(); end += 61) ends.push_back(end);
  ends.push_back(whole.size());
  for (std::size_t end : ends) {
    if (end < 8 || end > whole.size()) continue;
    expect_same_as_memory(with_form_size(Bytes(whole.begin(), whole.begin() + static_cast<long>(end))),
                          "cut at " + std::to_string(end));
  }
}

TEST_F(LwoFileReads, AChunkSizeRunningPastTheEndOfTheFileFails) {
  for (const std::string id : {"PNTS", "LAYR"}) {
    Bytes chunks = concat({chunk("LAYR", layer_data(0, "Body")), chunk(id, filler(100))});
    Bytes whole = lwo2(chunks);
    whole[whole.size() - 101] = 101;  // the size field's low byte: one more than there is
    LwoFile file;
    EXPECT_FALSE(qb::read_lwo_file(write("past.lwo", whole), file)) << id;
    EXPECT_TRUE(file.layers.empty()) << id;
    // The largest size the field can hold, in a file far smaller.
    for (int i = 0; i < 4; ++i) whole[whole.size() - 104 + i] = 0xFF;
    EXPECT_FALSE(qb::read_lwo_file(write("past.lwo", whole), file)) << id;
    EXPECT_TRUE(file.layers.empty()) << id;
  }
}

TEST_F(LwoFileReads, APipeBeginningWithFormIsRefusedWithoutWaiting) {
  const std::string fifo = (folder_.path / "pipe.lwo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int fd = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  const Bytes bytes = lwo2(chunk("LAYR", layer_data(0, "Body")));
  ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  LwoFile file;
  EXPECT_FALSE(qb::read_lwo_file(fifo, file));
  EXPECT_TRUE(file.layers.empty());
  ::close(fd);
}

// What this process has read through read and pread so far.
bool bytes_read(uint64_t &total) {
  std::ifstream io("/proc/self/io");
  std::string key;
  uint64_t value = 0;
  while (io >> key >> value)
    if (key == "rchar:") {
      total = value;
      return true;
    }
  return false;
}

// A large file is read in one piece (a block of huge pages where the system
// has them) and decoded there: four bytes to tell it is an IFF file, then the
// whole file once.
TEST_F(LwoFileReads, LargeFilesAreReadWholeInOnePiece) {
  // 64 MiB of points (a hole on disk) between two layers.
  constexpr uint32_t kPoints = 64u << 20;
  Bytes head = concat({lwo2({}), chunk("LAYR", layer_data(0, "Body"))});
  put_text(head, "PNTS");
  put_u4(head, kPoints);
  const Bytes tail = chunk("LAYR", layer_data(1, "Wheel"));
  const uint64_t total = head.size() + uint64_t{kPoints} + tail.size();
  for (int i = 0; i < 4; ++i) head[4 + i] = static_cast<unsigned char>((total - 8) >> (24 - 8 * i));
  const std::string path = write("large.lwo", head);
  {
    std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(static_cast<std::streamoff>(head.size() + kPoints));
    out.write(reinterpret_cast<const char *>(tail.data()), static_cast<std::streamsize>(tail.size()));
  }
  ASSERT_EQ(std::filesystem::file_size(path), total);
  uint64_t before = 0, after = 0;
  if (!bytes_read(before)) GTEST_SKIP() << "no /proc/self/io here";
  LwoFile file;
  ASSERT_TRUE(qb::read_lwo_file(path, file));
  ASSERT_TRUE(bytes_read(after));
  ASSERT_EQ(file.layers.size(), 2u);
  EXPECT_EQ(file.layers[0].name, "Body");
  EXPECT_EQ(file.layers[1].name, "Wheel");
  // Reading /proc/self/io itself counts a few hundred bytes.
  EXPECT_GE(after - before, total + 4);
  EXPECT_LT(after - before, total + 4 + 4096);
}

// ---- read_lwo_file of small files --------------------------------------------

Bytes one_layer_file(const Bytes &layr) { return lwo2(chunk("LAYR", layr)); }

TEST_F(LwoFileReads, ReadsTheLayersAndKeepsThePathAsGiven) {
  const Bytes bytes = lwo2(concat({chunk("TAGS", s0("Default")), chunk("LAYR", layer_data(0, "Body")),
                                   chunk("LAYR", layer_data(1, "", 0))}));
  const std::string path = write("two layers.lwo", bytes);
  const std::string given = (dir_ / "." / "two layers.lwo").string();
  LwoFile file = stale_file();
  ASSERT_TRUE(qb::read_lwo_file(given, file));
  EXPECT_EQ(file.path, given);
  ASSERT_EQ(file.layers.size(), 2u);
  EXPECT_EQ(file.layers[0].name, "Body");
  EXPECT_EQ(file.layers[1].name, "Layer2");
  EXPECT_EQ(file.layers[1].parent, 0);
}

TEST_F(LwoFileReads, EveryFailureLeavesNoLayers) {
  Bytes bad_layer = layer_data(0, "Body");
  bad_layer.push_back(0);
  const std::vector<std::string> paths = {
      (dir_ / "missing.lwo").string(),
      write("empty.lwo", {}),
      write("three.lwo", Bytes{'F', 'O', 'R'}),
      write("text.lwo", Bytes{'h', 'e', 'l', 'l', 'o', '\n'}),
      write("header-only.lwo", form("LWO2", {})),
      write("lwob.lwo", form("LWOB", chunk("LAYR", layer_data(0, "Body")))),
      write("bad-layer.lwo", one_layer_file(bad_layer)),
      dir_.string(),  // a directory opens on POSIX but cannot be read
  };
  for (const std::string &path : paths) {
    LwoFile file = stale_file();
    EXPECT_FALSE(qb::read_lwo_file(path, file)) << path;
    EXPECT_TRUE(file.layers.empty()) << path;
  }
}

TEST_F(LwoFileReads, PathWithNulInsideIsNotCutShort) {
  const std::string real = write("a", one_layer_file(layer_data(0, "Body")));
  LwoFile file;
  ASSERT_TRUE(qb::read_lwo_file(real, file));
  file = stale_file();
  EXPECT_FALSE(qb::read_lwo_file(real + std::string("\0.lwo", 5), file));
  EXPECT_TRUE(file.layers.empty());
}

TEST_F(LwoFileReads, FileNotBeginningWithFormCostsAFourByteRead) {
  // A pipe shows how much was taken from it: the rest stays for us to read.
  const std::string fifo = (dir_ / "pipe.lwo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int fd =
      ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);  // keeps a writer, so opening for reading won't block
  ASSERT_GE(fd, 0);
  const char content[] = "LIST\0\0\0\x04LWO2rest";
  ASSERT_EQ(::write(fd, content, sizeof content - 1), static_cast<ssize_t>(sizeof content - 1));
  LwoFile file = stale_file();
  EXPECT_FALSE(qb::read_lwo_file(fifo, file));
  EXPECT_TRUE(file.layers.empty());
  char left[64];
  const ssize_t n = ::read(fd, left, sizeof left);
  ::close(fd);
  EXPECT_EQ(std::string(left, n > 0 ? static_cast<std::size_t>(n) : 0),
            std::string(content + 4, sizeof content - 5));
}

TEST_F(LwoFileReads, FileOfFourGibibytesOrMoreIsRejected) {
  // Sparse files: the first 16 bytes alone would be a valid object file, so a
  // size cut to 32 bits would wrongly accept them.
  Bytes head = lwo2(Bytes{'P', 'N', 'T', 'S'});
  ASSERT_EQ(head.size(), 16u);
  for (std::uintmax_t size : {std::uintmax_t{1} << 32, (std::uintmax_t{1} << 32) + 16}) {
    const std::string path = write("huge.lwo", head);
    std::error_code error;
    std::filesystem::resize_file(path, size, error);
    if (error) GTEST_SKIP() << "no sparse file of " << size << " bytes here: " << error.message();
    LwoFile file = stale_file();
    EXPECT_FALSE(qb::read_lwo_file(path, file)) << size;
    EXPECT_TRUE(file.layers.empty());
  }
  // The same 16 bytes on their own are read.
  LwoFile file;
  EXPECT_TRUE(qb::read_lwo_file(write("small.lwo", head), file));
}

}  // namespace
