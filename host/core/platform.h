// What qbhost asks of the operating system, behind one small interface:
// platform_posix.cpp (dlopen, /proc, stat, iconv) and platform_win32.cpp
// (LoadLibraryA, GetProcAddress, GetModuleFileNameW, GetFileInformationByHandle,
// MultiByteToWideChar).
#pragma once

#include <string>
#include <string_view>

namespace qbhost {

struct FileStamp;

// A loaded library, or null with the system's reason in `error`.  A bare
// file name (no folder) means the file in the current folder, on every system.
void *open_library(const std::string &path, std::string &error);
void *library_symbol(void *library, const char *name);
void close_library(void *library);
// True when the library at `path` is still in the process after its last
// close (glibc keeps a library with unique symbols mapped), so that loading
// it again would not give fresh module-wide state.
bool library_still_loaded(const std::string &path);

// The folder of the running executable, with a trailing separator, or "";
// any length, in the system's code page.
std::string executable_folder();

// Standard output and error carry the trace's bytes unchanged (no line-end
// translation).
void use_binary_standard_streams();

// What the system says of a file, enough to notice that it changed; false
// when it cannot be asked.
bool stamp_of(const std::string &path, FileStamp &stamp);

// Code page 932 (Shift-JIS) to and from UTF-8, through iconv or the
// system's code page tables; false when any of `in` does not convert.
bool shift_jis_to_utf8(std::string_view in, std::string &out);
bool utf8_to_shift_jis(std::string_view in, std::string &out);

}  // namespace qbhost
