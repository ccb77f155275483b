// How the platform built for writes and compares paths in the name tests.
// Every platform takes both \ and / for a separator (no Windows file name can
// hold a /, and Layout's scene files write object paths with it); Windows
// joins a folder and a name with \, the others with /.  The file systems of
// Windows and macOS ignore letter case, so BOX.LWO is an object file there;
// other POSIX systems keep .lwo in lower case.
#pragma once

namespace qb {

enum class PathStyle { Windows, MacOs, Posix };

#if defined(_WIN32)
inline constexpr PathStyle kNativePathStyle = PathStyle::Windows;
#elif defined(__APPLE__)
inline constexpr PathStyle kNativePathStyle = PathStyle::MacOs;
#else
inline constexpr PathStyle kNativePathStyle = PathStyle::Posix;
#endif

// The separators, as single-byte characters: a path asks for them character
// by character, so that the second byte 0x5C of a Shift-JIS 表 is none.
inline constexpr char kPathSeparators[] = "\\/";

constexpr char joining_separator(PathStyle style) { return style == PathStyle::Windows ? '\\' : '/'; }

constexpr bool ignores_letter_case(PathStyle style) { return style != PathStyle::Posix; }

}  // namespace qb
