#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "host/core/layer_tables.h"
#include "host/core/platform.h"
#include "host/core/text.h"

namespace qbhost {
namespace {

std::string last_error_text() {
  const DWORD code = GetLastError();
  char text[512];
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                      text, sizeof text, nullptr);
  std::string message(text, length);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  return message.empty() ? "error " + std::to_string(code) : message;
}

int64_t ticks_of(const FILETIME &time) {
  return static_cast<int64_t>((uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime);
}

// `in` from code page `from` to code page `to` through UTF-16, refusing
// bytes or characters that have no form in the other page.
bool convert(UINT from, UINT to, std::string_view in, std::string &out) {
  if (in.empty()) {
    out.clear();
    return true;
  }
  if (in.size() > 0x3FFFFFFF) return false;
  const int in_length = static_cast<int>(in.size());
  const int wide_length = MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, in.data(), in_length, nullptr, 0);
  if (wide_length <= 0) return false;
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, in.data(), in_length, wide.data(), wide_length);
  BOOL lost = FALSE;
  BOOL *lost_flag = to == CP_UTF8 ? nullptr : &lost;
  const DWORD flags = to == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  const int length = WideCharToMultiByte(to, flags, wide.data(), wide_length, nullptr, 0, nullptr, lost_flag);
  if (length <= 0 || lost) return false;
  std::string result(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(to, flags, wide.data(), wide_length, result.data(), length, nullptr, lost_flag);
  if (lost) return false;
  out = std::move(result);
  return true;
}

}  // namespace

void *open_library(const std::string &path, std::string &error) {
  HMODULE library = LoadLibraryA(path.c_str());
  if (library == nullptr) error = last_error_text();
  return reinterpret_cast<void *>(library);
}

void *library_symbol(void *library, const char *name) {
  return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void close_library(void *library) { FreeLibrary(static_cast<HMODULE>(library)); }

// FreeLibrary of the last reference unloads the DLL.
bool library_still_loaded(const std::string &path) { return GetModuleHandleA(path.c_str()) != nullptr; }

std::string executable_folder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return std::string();
  const std::string self(path, length);
  // By characters: a Shift-JIS name such as 表 holds the byte 0x5C.
  return self.substr(0, find_last_path_char_of(self, kPathSeparators) + 1);
}

void use_binary_standard_streams() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

// The times in 100-nanosecond ticks; the volume and the file's index stand
// for the device and the inode.
bool stamp_of(const std::string &path, FileStamp &stamp) {
  if (path.find('\0') != std::string::npos) return false;
  HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info;
  const bool ok = GetFileInformationByHandle(file, &info) != 0;
  CloseHandle(file);
  if (!ok) return false;
  stamp.device = info.dwVolumeSerialNumber;
  stamp.inode = (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
  stamp.size = (uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  stamp.modified_s = ticks_of(info.ftLastWriteTime);
  stamp.modified_ns = 0;
  stamp.changed_s = ticks_of(info.ftCreationTime);
  stamp.changed_ns = 0;
  return true;
}

bool shift_jis_to_utf8(std::string_view in, std::string &out) { return convert(932, CP_UTF8, in, out); }

bool utf8_to_shift_jis(std::string_view in, std::string &out) { return convert(CP_UTF8, 932, in, out); }

}  // namespace qbhost
