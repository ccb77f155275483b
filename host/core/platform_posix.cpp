#include <dlfcn.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#ifdef __APPLE__
#include <mach-o/dyld.h>
#endif

#include "host/core/layer_tables.h"
#include "host/core/platform.h"

namespace qbhost {
namespace {

struct Converter {
  iconv_t cd;
  Converter(const char *to, const char *from) : cd(iconv_open(to, from)) {}
  ~Converter() {
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
  }
  Converter(const Converter &) = delete;
  Converter &operator=(const Converter &) = delete;

  // Converts all of `in`; false when any of it does not convert.
  bool convert(std::string_view in, std::string &out) const {
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char *src = const_cast<char *>(in.data());
    std::size_t left = in.size();
    std::string result;
    char buffer[256];
    while (left > 0) {
      char *dst = buffer;
      std::size_t room = sizeof buffer;
      std::size_t done = iconv(cd, &src, &left, &dst, &room);
      result.append(buffer, static_cast<std::size_t>(dst - buffer));
      if (done == static_cast<std::size_t>(-1) && errno_is_fatal()) return false;
    }
    out = std::move(result);
    return true;
  }

  static bool errno_is_fatal() { return errno != E2BIG; }
};

}  // namespace

void *open_library(const std::string &path, std::string &error) {
  // dlopen searches the library path for a bare name; a name in the current
  // folder is meant.
  const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
  void *library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char *why = dlerror();
    error = why == nullptr ? "unknown error" : why;
  }
  return library;
}

void *library_symbol(void *library, const char *name) { return dlsym(library, name); }

void close_library(void *library) { dlclose(library); }

bool library_still_loaded(const std::string &path) {
  const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
  void *still = dlopen(file.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (still == nullptr) return false;
  dlclose(still);
  return true;
}

std::string executable_folder() {
  char path[4096];
#ifdef __APPLE__
  uint32_t room = sizeof path;
  if (_NSGetExecutablePath(path, &room) != 0) return std::string();
  const std::string self(path);
#else
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return std::string();
  const std::string self(path, static_cast<std::size_t>(length));
#endif
  return self.substr(0, self.rfind('/') + 1);
}

void use_binary_standard_streams() {}

bool stamp_of(const std::string &path, FileStamp &stamp) {
  struct stat info {};
  if (path.find('\0') != std::string::npos || ::stat(path.c_str(), &info) != 0) return false;
  stamp.device = static_cast<uint64_t>(info.st_dev);
  stamp.inode = static_cast<uint64_t>(info.st_ino);
  stamp.size = static_cast<uint64_t>(info.st_size);
#ifdef __APPLE__
  stamp.modified_s = info.st_mtimespec.tv_sec;
  stamp.modified_ns = info.st_mtimespec.tv_nsec;
  stamp.changed_s = info.st_ctimespec.tv_sec;
  stamp.changed_ns = info.st_ctimespec.tv_nsec;
#else
  stamp.modified_s = info.st_mtim.tv_sec;
  stamp.modified_ns = info.st_mtim.tv_nsec;
  stamp.changed_s = info.st_ctim.tv_sec;
  stamp.changed_ns = info.st_ctim.tv_nsec;
#endif
  return true;
}

bool shift_jis_to_utf8(std::string_view in, std::string &out) {
  static const Converter converter("UTF-8", "CP932");
  return converter.convert(in, out);
}

bool utf8_to_shift_jis(std::string_view in, std::string &out) {
  static const Converter converter("CP932", "UTF-8");
  return converter.convert(in, out);
}

}  // namespace qbhost
