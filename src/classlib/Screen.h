// The screen: the size of the primary display and its resolution.
#pragma once

class TScreen
{
public:
    // The whole primary display in pixels, not the part that panels leave free.
    int Width() const;
    int Height() const;
    int PixelsPerInch() const;
};

extern TScreen *Screen;
