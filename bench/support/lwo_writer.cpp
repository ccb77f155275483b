#include "bench/support/lwo_writer.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace qbbench {
namespace {

struct Bytes {
  std::vector<unsigned char> data;

  void u1(unsigned v) { data.push_back(static_cast<unsigned char>(v)); }
  void u2(unsigned v) {
    u1(v >> 8);
    u1(v);
  }
  void u4(std::uint32_t v) {
    u2(v >> 16);
    u2(v & 0xFFFF);
  }
  void f4(float f) {
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    u4(bits);
  }
  void id(const char *four) {
    for (int i = 0; i < 4; ++i) u1(static_cast<unsigned char>(four[i]));
  }
  void s0(const std::string &text) {
    for (char c : text) u1(static_cast<unsigned char>(c));
    u1(0);
    if (text.size() % 2 == 0) u1(0);
  }
  // Vertex index: two bytes below 0xFF00, else four with 0xFF in front.
  void vx(std::uint32_t index) {
    if (index < 0xFF00) u2(index);
    else u4(0xFF000000u | index);
  }
  void append(const Bytes &other) { data.insert(data.end(), other.data.begin(), other.data.end()); }
};

void chunk(Bytes &out, const char *id, const Bytes &body) {
  out.id(id);
  out.u4(static_cast<std::uint32_t>(body.data.size()));
  out.append(body);
  if (body.data.size() % 2 == 1) out.u1(0);
}

Bytes layer_chunk_body(int number, const std::string &name) {
  Bytes b;
  b.u2(static_cast<unsigned>(number));
  b.u2(0);
  for (int axis = 0; axis < 3; ++axis) b.f4(0.0f);
  b.s0(name);
  return b;
}

bool write_file(const std::string &path, const void *data, std::size_t size) {
  std::FILE *f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(data, 1, size, f) == size;
  return std::fclose(f) == 0 && ok;
}

Bytes form_header(std::uint64_t form_size) {
  Bytes h;
  h.id("FORM");
  h.u4(static_cast<std::uint32_t>(form_size));
  h.id("LWO2");
  return h;
}

}  // namespace

bool write_small_object(const std::string &path, const std::vector<std::string> &layer_names) {
  Bytes chunks;
  Bytes tags;
  tags.s0("Default");
  chunk(chunks, "TAGS", tags);
  for (std::size_t layer = 0; layer < layer_names.size(); ++layer) {
    chunk(chunks, "LAYR", layer_chunk_body(static_cast<int>(layer), layer_names[layer]));
    Bytes points;
    for (int p = 0; p < 8; ++p)
      for (int axis = 0; axis < 3; ++axis) points.f4(((p >> axis) & 1) ? 0.5f : -0.5f);
    chunk(chunks, "PNTS", points);
    Bytes polygons;
    polygons.id("FACE");
    const int quads[6][4] = {{0, 1, 3, 2}, {4, 6, 7, 5}, {0, 4, 5, 1},
                             {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 5, 7, 3}};
    for (const auto &quad : quads) {
      polygons.u2(4);
      for (int v : quad) polygons.vx(static_cast<std::uint32_t>(v));
    }
    chunk(chunks, "POLS", polygons);
  }
  Bytes file = form_header(chunks.data.size() + 4);
  file.append(chunks);
  return write_file(path, file.data.data(), file.data.size());
}

std::uint64_t write_large_object(const std::string &path, std::uint64_t bytes, int layers,
                                 std::vector<std::string> &layer_names) {
  constexpr std::uint32_t kFirstWide = 0xFF00;  // triangles use four-byte indices
  constexpr std::uint64_t kTriangleBytes = 2 + 3 * 4;
  layer_names.clear();
  for (int layer = 0; layer < layers; ++layer) {
    char name[16];
    std::snprintf(name, sizeof name, "Part_%02d", layer);
    layer_names.push_back(name);
  }
  Bytes tags;
  tags.s0("Default");
  Bytes head;
  chunk(head, "TAGS", tags);
  const std::uint64_t per_layer = (bytes - 12 - head.data.size()) / static_cast<std::uint64_t>(layers);
  // Three quarters points, one quarter triangles over them.
  const auto points = static_cast<std::uint32_t>(per_layer * 3 / 4 / 12);
  const std::uint64_t layr = 8 + layer_chunk_body(0, layer_names[0]).data.size();
  if (points < kFirstWide + 3 || per_layer < layr + 8 + std::uint64_t{points} * 12 + 12 + kTriangleBytes)
    return 0;
  const std::uint64_t pnts = 8 + std::uint64_t{points} * 12;
  const std::uint64_t triangles = (per_layer - layr - pnts - 8 - 4) / kTriangleBytes;

  std::unique_ptr<std::FILE, int (*)(std::FILE *)> f(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!f) return 0;
  const std::uint64_t chunk_bytes =
      head.data.size() + layers * (layr + pnts + 8 + 4 + triangles * kTriangleBytes);
  Bytes out = form_header(chunk_bytes + 4);
  out.append(head);
  for (int layer = 0; layer < layers; ++layer) {
    chunk(out, "LAYR", layer_chunk_body(layer, layer_names[static_cast<std::size_t>(layer)]));
    out.id("PNTS");
    out.u4(points * 12);
    for (std::uint32_t p = 0; p < points; ++p) {
      out.f4(static_cast<float>(p % 1000));
      out.f4(static_cast<float>((p / 1000) % 1000));
      out.f4(static_cast<float>(layer));
    }
    out.id("POLS");
    out.u4(static_cast<std::uint32_t>(4 + triangles * kTriangleBytes));
    out.id("FACE");
    for (std::uint64_t t = 0; t < triangles; ++t) {
      const auto a = static_cast<std::uint32_t>(kFirstWide + t % (points - kFirstWide - 2));
      out.u2(3);
      out.vx(a);
      out.vx(a + 1);
      out.vx(a + 2);
    }
    if (std::fwrite(out.data.data(), 1, out.data.size(), f.get()) != out.data.size()) return 0;
    out.data.clear();
  }
  if (std::fflush(f.get()) != 0) return 0;
  return 12 + chunk_bytes;
}

bool write_other_file(const std::string &path, int kind, std::size_t bytes) {
  static const unsigned char png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  static const unsigned char jpeg[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F'};
  static const char text[] = "# notes on the rig\n";
  std::vector<unsigned char> data(bytes);
  for (std::size_t i = 0; i < bytes; ++i) data[i] = static_cast<unsigned char>((i * 131 + 7) & 0xFF);
  switch (kind % 3) {
    case 0: std::memcpy(data.data(), png, sizeof png); break;
    case 1: std::memcpy(data.data(), jpeg, sizeof jpeg); break;
    default:
      for (std::size_t i = 0; i < bytes; ++i)
        data[i] = static_cast<unsigned char>(text[i % (sizeof text - 1)]);
  }
  return write_file(path, data.data(), data.size());
}

}  // namespace qbbench
