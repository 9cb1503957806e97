// What the desktop shows of the program's windows: their titles, kept empty
// where they are empty (toolkits otherwise show the program's file name), and
// whether they have taskbar and pager entries.
#pragma once

#include <QObject>

class QWidget;

// The hidden window that owns every window of the program. Its extended style
// decides how the desktop lists them: with the tool-window style, none of the
// program's windows has a taskbar button or an entry in the window switcher.
class TOwnerWindow : public QObject
{
public:
    TOwnerWindow();
    ~TOwnerWindow() override;

    long ExStyle() const { return exStyle_; }
    // Returns the previous style.
    long SetExStyle(long style);
    bool ToolWindow() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    long exStyle_ = 0;
};

namespace Desktop {
// Whether the windows are on an X11 display.
bool IsX11();
} // namespace Desktop
