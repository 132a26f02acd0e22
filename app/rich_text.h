#pragma once

#include <windows.h>

#include <string>

namespace discgate {

// An RTF licence is shown formatted in a rich-edit control in Text1's place. These choose and
// fill it; the RTF has had every group that is not text taken out before it comes here.

// The window class to make it with: msftedit's, else riched20's, each loaded from the system
// folder only. Null when neither is there.
const wchar_t* RichEditClass();

// Fills the control with the RTF; false unless the control read all of it without an error. The
// control gets no OLE callback, so nothing embedded could act.
bool StreamRtf(HWND richEdit, const std::string& rtf);

// In a high-contrast theme the text and background take the system's colours, whatever the RTF
// says; otherwise they are the RTF's.
void FollowHighContrast(HWND richEdit);

}  // namespace discgate
