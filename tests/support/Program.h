// The program started as a user starts it, its web views sent to a loopback
// server as their proxy, and looked at through the X11 display.
#pragma once

#include "X11.h"

#include <QElapsedTimer>
#include <QProcess>

class Program
{
public:
    explicit Program(quint16 proxyPort);
    ~Program();

    QList<X11::Window> Windows() const;
    X11::Window Find(const QString &title) const;
    X11::Window MainWindow() const;
    // The news popup, whose title is "Form2".
    X11::Window Popup() const;
    bool PopupViewable() const;
    bool WaitForMainWindow() const;
    // Closes the main window and waits for the process to end.
    bool CloseAndWait();
    bool WaitForExit(int ms = 15000);

    // Seconds since the start, and of a moment on the monotonic clock.
    double Now() const { return started.elapsed() / 1000.0; }
    double Since(qint64 monotonicMs) const { return (monotonicMs - started.msecsSinceReference()) / 1000.0; }

    QProcess process;
    QElapsedTimer started;
};
