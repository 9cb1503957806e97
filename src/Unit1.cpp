#include "Unit1.h"

#include "WinApi.h"

TForm1 *Form1 = nullptr;

namespace {
const char16_t SpeedTestPage[] = u"http://speedtest.velocinet.com/140100";
}

void TForm1::FormCreate(TObject *)
{
    Application->SetTitle(u"");
    // The owner of every window becomes a tool window: no taskbar button, no window-switcher entry.
    SetWindowLongA(Application->Handle(), GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    WebBrowser1->Navigate(SpeedTestPage);
}
