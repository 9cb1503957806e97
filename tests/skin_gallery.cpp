// Brings up the program's two windows at once, with an error box over them, for
// a picture of the skin (scripts/gallery takes it). Not a test of anything.
#include "Unit1.h"
#include "Unit2.h"

#include <QTimer>

namespace {
void Main()
{
    Application->Initialize();
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    QTimer::singleShot(2500, [] {
        Form2->Timer1Timer(Form2);  // the news, now rather than at 9 s
        Form1->Timer2Timer(Form1);  // and the popup, rather than at 10 s
        QTimer::singleShot(1500, [] { Application->ShowException(Exception(u"无法打开下载页面")); });
    });
    Application->Run();
}
} // namespace

int main(int, char **argv)
{
    return RunProgram(argv[0], Main);
}
