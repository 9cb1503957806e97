#include "Unit2.h"

#include "WinApi.h"

TForm2 *Form2 = nullptr;

namespace {
const char16_t NewsPage[] = u"http://www.quorvel.com/cpv/news.htm";
}

// Hides the popup for the rest of the run; it keeps its page.
void TForm2::BitBtn1Click(TObject *)
{
    Close();
}

// While still hidden, the popup loads its page, once.
void TForm2::Timer1Timer(TObject *)
{
    WebBrowser1->Navigate(NewsPage);
}

// Ends the popup's own schedule.
void TForm2::Timer2Timer(TObject *)
{
    Timer1->SetEnabled(false);
    Sleep(100);
    Sleep(100);
    Timer2->SetEnabled(false);
}
