#pragma once
// The release of the running program, compiled in. The info window shows
// the texts; the update fetch compares the numbers with the server's.

namespace app {

inline constexpr const char* ProgramVersionText = "Tarvik23 V01.00-99";
inline constexpr const char* ProgramReleaseText = "27.08.2024 @ 22:00";
inline constexpr int BuiltInReleaseDate = 20240827;
inline constexpr int BuiltInReleaseTime = 2200;

}  // namespace app
