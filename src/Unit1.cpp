#include "Unit1.h"

#include "Screen.h"
#include "Unit2.h"
#include "WinApi.h"

TForm1 *Form1 = nullptr;

namespace {
const char16_t SpeedTestPage[] = u"http://speedtest.velocinet.com/140100";

// The toolbar's pages.
const char SiteDirectory[] = "http://dh.quorvel.com";
const char MallPromotion[] = "http://mall.quorvel.com";
const char BestSellers[] = "http://rexiao.quorvel.com";
const char StoreDirectory[] = "http://qijian.quorvel.com";
const char NewestVersion[] = "http://down.quorvel.com/dows.exe";
} // namespace

void TForm1::FormCreate(TObject *)
{
    Application->SetTitle(u"");
    // The owner of every window becomes a tool window: no taskbar button, no window-switcher entry.
    SetWindowLongA(Application->Handle(), GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    WebBrowser1->Navigate(SpeedTestPage);
}

// Every page opens in the one named browser, whatever the user's default; a
// browser that is missing or fails to start is not our business to report.
void TForm1::OpenInBrowser(const char *address)
{
    ShellExecuteA(Handle(), "open", "IExplore.EXE", address, nullptr, SW_SHOWNORMAL);
}

void TForm1::Button1Click(TObject *)
{
    OpenInBrowser(NewestVersion);
}

void TForm1::BitBtn1Click(TObject *)
{
    OpenInBrowser(SiteDirectory);
}

void TForm1::BitBtn2Click(TObject *)
{
    OpenInBrowser(MallPromotion);
}

void TForm1::BitBtn3Click(TObject *)
{
    OpenInBrowser(BestSellers);
}

void TForm1::BitBtn4Click(TObject *)
{
    OpenInBrowser(StoreDirectory);
}

// Once a minute: give back what memory the system will take, then let the
// messages that waited meanwhile run.
void TForm1::Timer1Timer(TObject *)
{
    if (Win32Platform == VER_PLATFORM_WIN32_NT) {
        SetProcessWorkingSetSize(GetCurrentProcess(), SIZE_T(-1), SIZE_T(-1));
        Application->ProcessMessages();
    }
}

// Ten seconds in: the news popup goes to the bottom-right corner of the screen
// and comes up. Until the popup exists there is nothing to show.
void TForm1::Timer2Timer(TObject *)
{
    if (!Form2)
        return;
    Form2->SetTop(Screen->Height() - Form2->Height() - 40);
    Form2->SetLeft(Screen->Width() - Form2->Width() - 20);
    Form2->Show();
    Form2->BringToFront();
}

// A second later the popup's schedule ends: it is shown once per run.
void TForm1::Timer3Timer(TObject *)
{
    Timer2->SetEnabled(false);
    Sleep(100);
    Sleep(100);
    Timer3->SetEnabled(false);
}
