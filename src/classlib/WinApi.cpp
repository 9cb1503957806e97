#include "WinApi.h"

#include "Clock.h"
#include "Desktop.h"

LONG SetWindowLongA(HWND window, int index, LONG value)
{
    if (!window || index != GWL_EXSTYLE)
        return 0;
    return LONG(window->SetExStyle(value));
}

void Sleep(DWORD ms)
{
    TClock::Current()->Sleep(ms);
}
