#pragma once

#include <windows.h>

#include "app/form1_layout.h"
#include "launcher/licence_loader.h"
#include "platform/result.h"

namespace discgate {

// What the agreement window is made of besides the licence box: its window class, and its
// labels and buttons from the layout table, with their texts in the window's language.

inline constexpr const wchar_t* kClassName = L"discgate.Form1";

Status RegisterWindowClass(HINSTANCE instance, WNDPROC procedure);

// A label or a button, where the layout puts it at `dpi`.
Status CreateControl(HWND parent, HINSTANCE instance, const ControlLayout& control,
                     const Licence& licence, int dpi);

}  // namespace discgate
