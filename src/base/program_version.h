#pragma once
// The program's version, as the title, the error log and the version resource show it.

namespace kestrix {

inline constexpr char kProgramVersion[] = "1.6.0.5";
inline constexpr char kProgramDate[] = "24-12-2013";

}  // namespace kestrix
