#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "host/core/layer_tables.h"
#include "host/core/platform.h"

namespace qbhost {
namespace {

std::string last_error_text() {
  const DWORD code = GetLastError();
  char text[512];
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                      code, 0, text, sizeof text, nullptr);
  std::string message(text, length);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  return message.empty() ? "error " + std::to_string(code) : message;
}

// A time in 100-nanosecond ticks since 1601 as whole seconds and the
// nanoseconds within the second.
void split_ticks(uint64_t ticks, int64_t &seconds, int64_t &nanoseconds) {
  constexpr uint64_t kTicksPerSecond = 10000000;
  seconds = static_cast<int64_t>(ticks / kTicksPerSecond);
  nanoseconds = static_cast<int64_t>(ticks % kTicksPerSecond) * 100;
}

uint64_t ticks_of(const FILETIME &time) { return (uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime; }

// A path with no folder part, which LoadLibrary would look for along the
// system's search order (system folders, PATH) rather than in one place.
bool is_bare_name(const std::string &path) { return path.find_first_of("\\/:") == std::string::npos; }

// A bare name means the file in the current folder, as it does on POSIX
// systems, so that --plugin names the same file on both.
std::string library_file(const std::string &path) { return is_bare_name(path) ? ".\\" + path : path; }

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
  HMODULE library = LoadLibraryA(library_file(path).c_str());
  if (library == nullptr) error = last_error_text();
  return reinterpret_cast<void *>(library);
}

void *library_symbol(void *library, const char *name) {
  return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void close_library(void *library) { FreeLibrary(static_cast<HMODULE>(library)); }

// FreeLibrary of the last reference unloads the DLL.
bool library_still_loaded(const std::string &path) { return GetModuleHandleA(path.c_str()) != nullptr; }

// UTF-16 `wide` in the ANSI code page that the A functions the rest of
// qbhost calls read; false when the page cannot spell a character of it.
bool to_ansi(const std::wstring &wide, std::string &out) {
  if (wide.empty() || wide.size() > 0x3FFFFFFF) return false;
  constexpr DWORD kFlags = WC_NO_BEST_FIT_CHARS;
  const int wide_length = static_cast<int>(wide.size());
  BOOL lost = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, kFlags, wide.data(), wide_length, nullptr, 0, nullptr, &lost);
  if (size <= 0 || lost) return false;
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, kFlags, wide.data(), wide_length, result.data(), size, nullptr, &lost);
  if (lost) return false;
  out = std::move(result);
  return true;
}

// Asked in UTF-16, so that neither a path longer than MAX_PATH nor a
// double-byte character whose second byte is 0x5C (the 表 of a Japanese
// folder) cuts it wrongly.  A folder the A functions cannot take as it is
// (too long for them, or with a character the ANSI code page cannot spell)
// is handed back in its short form, which they can; "" when there is none.
std::string executable_folder() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = 0;
  for (;;) {
    length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::string();
    if (length < path.size()) break;
    if (path.size() >= 32768) return std::string();  // the longest path the system allows
    path.resize(path.size() * 2);
  }
  const std::size_t separator = path.find_last_of(L"\\/", length - 1);
  if (separator == std::wstring::npos) return std::string();
  const std::wstring folder = path.substr(0, separator + 1);
  // Room for the module's file name after the folder.
  constexpr std::size_t kRoomForName = 32;
  std::string ansi;
  if (folder.size() + kRoomForName < MAX_PATH && to_ansi(folder, ansi)) return ansi;
  std::wstring short_form(folder.size() + 1, L'\0');
  const DWORD short_length =
      GetShortPathNameW(folder.c_str(), short_form.data(), static_cast<DWORD>(short_form.size()));
  if (short_length == 0 || short_length >= short_form.size()) return std::string();
  short_form.resize(short_length);
  if (short_form.size() + kRoomForName >= MAX_PATH || !to_ansi(short_form, ansi)) return std::string();
  return ansi;
}

void use_binary_standard_streams() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

// The volume and the file's index stand for the device and the inode; the
// change time of the file's basic information, where the system gives it,
// for the status change.
bool stamp_of(const std::string &path, FileStamp &stamp) {
  if (path.find('\0') != std::string::npos) return false;
  HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info;
  FILE_BASIC_INFO basic{};
  const bool ok = GetFileInformationByHandle(file, &info) != 0;
  const bool has_change_time = GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic) != 0;
  CloseHandle(file);
  if (!ok) return false;
  stamp.device = info.dwVolumeSerialNumber;
  stamp.inode = (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
  stamp.size = (uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  split_ticks(ticks_of(info.ftLastWriteTime), stamp.modified_seconds, stamp.modified_nanoseconds);
  stamp.status_changed_seconds = stamp.status_changed_nanoseconds = 0;
  if (has_change_time) {
    split_ticks(static_cast<uint64_t>(basic.ChangeTime.QuadPart), stamp.status_changed_seconds,
                stamp.status_changed_nanoseconds);
  }
  return true;
}

bool shift_jis_to_utf8(std::string_view in, std::string &out) { return convert(932, CP_UTF8, in, out); }

bool utf8_to_shift_jis(std::string_view in, std::string &out) { return convert(CP_UTF8, 932, in, out); }

}  // namespace qbhost
