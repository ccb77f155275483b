// What qbhost asks of the operating system, behind one small interface:
// platform_posix.cpp (dlopen, /proc, stat, iconv) and platform_win32.cpp
// (LoadLibraryA, GetProcAddress, GetModuleFileNameW, GetFileInformationByHandle,
// MultiByteToWideChar).
#pragma once

#include <filesystem>
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

// A Windows whose ANSI code page is 932: programs get file names, and the
// real host gives the module every text, in Shift-JIS, whatever language
// Layout shows (code_page_win32.cpp; elsewhere false).
bool system_code_page_is_shift_jis();

// A path in the system's code page as the standard library's path, and back
// in generic form (/ between components): on Windows through the ANSI code
// page, which the library's own conversion of narrow texts does not use.
std::filesystem::path system_path(const std::string &text);
std::string system_text(const std::filesystem::path &path);

}  // namespace qbhost
