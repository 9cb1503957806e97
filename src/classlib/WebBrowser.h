// The embedded web view. It shows whatever it is asked to navigate to and
// handles none of its own events on the program's behalf.
#pragma once

#include "Control.h"

class QWebEngineView;

class TWebBrowser : public TControl
{
    Q_OBJECT
public:
    // Raises EOleException when no web view can be made on this system.
    explicit TWebBrowser(TComponent *owner);

    // Starts loading `url`. The optional flags, target frame, post data and
    // headers are always empty. An address the view cannot take is refused with
    // EOleException.
    void Navigate(const String &url);
    // The address last asked for; empty until the first navigation.
    const String &LocationURL() const { return location_; }

    QWebEngineView *View() const;

private:
    String location_;
};
