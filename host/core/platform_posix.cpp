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
      const std::size_t done = iconv(cd, &src, &left, &dst, &room);
      // Read before anything else can set it: appending may allocate.
      const int error = done == static_cast<std::size_t>(-1) ? errno : 0;
      if (error != 0 && error != E2BIG) return false;
      result.append(buffer, static_cast<std::size_t>(dst - buffer));
    }
    out = std::move(result);
    return true;
  }
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
  std::string self(4096, '\0');
#ifdef __APPLE__
  uint32_t room = static_cast<uint32_t>(self.size());
  if (_NSGetExecutablePath(self.data(), &room) != 0) {
    self.assign(room, '\0');  // the size it needs
    if (_NSGetExecutablePath(self.data(), &room) != 0) return std::string();
  }
  self.resize(self.find('\0'));
#else
  // readlink fills the buffer without saying whether the link was longer.
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", self.data(), self.size());
    if (length <= 0) return std::string();
    if (static_cast<std::size_t>(length) < self.size()) {
      self.resize(static_cast<std::size_t>(length));
      break;
    }
    self.resize(self.size() * 2);
  }
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
  stamp.modified_seconds = info.st_mtimespec.tv_sec;
  stamp.modified_nanoseconds = info.st_mtimespec.tv_nsec;
  stamp.status_changed_seconds = info.st_ctimespec.tv_sec;
  stamp.status_changed_nanoseconds = info.st_ctimespec.tv_nsec;
#else
  stamp.modified_seconds = info.st_mtim.tv_sec;
  stamp.modified_nanoseconds = info.st_mtim.tv_nsec;
  stamp.status_changed_seconds = info.st_ctim.tv_sec;
  stamp.status_changed_nanoseconds = info.st_ctim.tv_nsec;
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
