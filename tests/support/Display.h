// A virtual display of a given size with a window manager, for one test process.
#pragma once

#include <QProcess>
#include <QSize>

class VirtualDisplay
{
public:
    // Starts Xvfb and openbox and points this process's DISPLAY at them.
    bool Start(QSize size);
    ~VirtualDisplay();

private:
    QProcess xvfb_, openbox_;
};
