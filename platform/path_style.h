// Which characters separate path components in the name tests, and the
// style of the platform built for.  The POSIX build accepts the forward slash
// as well as the backslash; a Windows build keeps the backslash alone.
#pragma once

namespace qb {

enum class PathStyle { Windows, Posix };

#ifdef _WIN32
inline constexpr PathStyle kNativePathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kNativePathStyle = PathStyle::Posix;
#endif

}  // namespace qb
