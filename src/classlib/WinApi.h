// The system calls the window units make, in the system's own terms.
#pragma once

#include <cstddef>
#include <cstdint>

class TOwnerWindow;

using DWORD = std::uint32_t;
using LONG = std::int32_t;
using SIZE_T = std::size_t;
using BOOL = int;
using HWND = void *;
using HANDLE = void *;
using HINSTANCE = std::intptr_t;

constexpr int GWL_EXSTYLE = -20;
constexpr LONG WS_EX_TOOLWINDOW = 0x80;
constexpr int SW_SHOWNORMAL = 1;
constexpr DWORD VER_PLATFORM_WIN32s = 0;
constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

// The platform family recorded at start-up, as the program's code tests it.
// Here it reads VER_PLATFORM_WIN32_NT where the system offers a request to give
// back the process's resident memory (SetProcessWorkingSetSize), and 0 where it
// offers none.
extern DWORD Win32Platform;

// Replaces a window's extended style; returns the previous one. The program's
// hidden owner window is the only window that takes it.
LONG SetWindowLongA(HWND window, int index, LONG value);

// Starts `file` with `parameters` as its one argument, without a shell and
// without waiting. Named programs of the original platform run as their
// counterparts here ("IExplore.EXE" is firefox, found through PATH). Returns
// a value above 32 when the program started; failures show nothing.
HINSTANCE ShellExecuteA(HWND owner, const char *operation, const char *file, const char *parameters,
                        const char *directory, int showCommand);

HANDLE GetCurrentProcess();
// Asks the system to take as much of the process out of physical memory as it
// can when both sizes are SIZE_T(-1). Returns nonzero on success.
BOOL SetProcessWorkingSetSize(HANDLE process, SIZE_T minimum, SIZE_T maximum);
// How many trims the process has asked for.
unsigned WorkingSetTrims();

// Blocks the interface thread for `ms` milliseconds.
void Sleep(DWORD ms);
