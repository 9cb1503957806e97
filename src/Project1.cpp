// The program: a network speed tester around a web-based speed test.
#include "Application.h"
#include "Unit1.h"
#include "Unit2.h"

namespace {
void Main()
{
    Application->Initialize();
    Application->SetTitle(u"Quorvel网速测试器");
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->Run();
}
} // namespace

int main(int, char **argv)
{
    return RunProgram(argv[0], Main);
}
