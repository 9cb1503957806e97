// The system calls the window units make, in the system's own terms.
#pragma once

#include <cstdint>

class TOwnerWindow;

using DWORD = std::uint32_t;
using LONG = std::int32_t;
using HWND = TOwnerWindow *;

constexpr int GWL_EXSTYLE = -20;
constexpr LONG WS_EX_TOOLWINDOW = 0x80;

// Replaces a window's extended style; returns the previous one. The program's
// hidden owner window is the only window that takes it.
LONG SetWindowLongA(HWND window, int index, LONG value);

// Blocks the interface thread for `ms` milliseconds.
void Sleep(DWORD ms);
