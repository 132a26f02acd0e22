#pragma once

namespace discgate {

inline constexpr int kExitAccepted = 0;
inline constexpr int kExitDeclined = 1;      // also when the window is closed any other way
inline constexpr int kExitFailed = 2;        // after an error box
inline constexpr int kExitAlreadyShown = 3;  // the disc's window was open already: it came to front

}  // namespace discgate
