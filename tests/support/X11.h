// Looks at windows on the X11 display as the window manager and a user see them.
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>

namespace X11 {
using Window = std::uint32_t;

// Managed top-level windows, from the window manager's client list.
QList<Window> ClientList();
// Client windows of one process (by _NET_WM_PID).
QList<Window> WindowsOf(qint64 pid);
// The title the desktop shows (_NET_WM_NAME); `present` tells whether it is set at all.
QString Title(Window window, bool *present = nullptr);
// Names of the atoms in a window's _NET_WM_STATE.
QStringList States(Window window);
// Left, right, top and bottom of _NET_FRAME_EXTENTS.
QList<int> FrameExtents(Window window);
// The window's client area in root coordinates.
QRect Geometry(Window window);
// Asks for a new client size, as dragging the frame does.
void RequestSize(Window window, int width, int height);
// Asks the window to close, as its close button does.
void Close(Window window);
// The screen as it is now.
QImage GrabScreen();
// Whether a window is mapped and viewable.
bool Viewable(Window window);
// The window the window manager has activated (_NET_ACTIVE_WINDOW).
Window ActiveWindow();
// Whether a window manager runs on the display.
bool WindowManagerRunning();
// Clicks the left button at a point of the screen, as a user does.
void Click(QPoint where);
} // namespace X11
