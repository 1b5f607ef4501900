#pragma once
// The user commands the installer defines in the host and the program later sends.

namespace kestrix {

// Opens the program (bound to F7).
inline constexpr char kCommandName[] = "em_Kestrix";
// Makes the host change to its parameter.
inline constexpr char kEnterUserCommand[] = "em_KestrixEnter";

}  // namespace kestrix
