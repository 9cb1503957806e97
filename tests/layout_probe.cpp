// A program with one form, read from a folder of layouts, for testing start-up
// failures in a process of their own. It prints the caption, text and icon of
// every message box that opens, and presses its OK button.
//
//   layout_probe LAYOUT_DIR [TIMERS_LEFT]
#include "Application.h"
#include "Button.h"
#include "Clock.h"
#include "Layout.h"
#include "Panel.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

class TProbeForm : public TForm
{
    Q_OBJECT
    Q_PROPERTY(TPanel *Panel1 MEMBER Panel1)
    Q_PROPERTY(TButton *Button1 MEMBER Button1)
public:
    explicit TProbeForm(TComponent *owner) : TForm(owner) {}
    TPanel *Panel1 = nullptr;
    TButton *Button1 = nullptr;
public slots:
    void FormCreate(TObject *) { std::printf("created\n"); }
    void Button1Click(TObject *) {}
};

namespace {
TProbeForm *ProbeForm = nullptr;
const char *layoutDir = nullptr;
int timersLeft = -1;

void Body()
{
    auto *watcher = new QTimer;
    QObject::connect(watcher, &QTimer::timeout, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        std::printf("box\t%s\t%s\t%d\n", qPrintable(box->windowTitle()), qPrintable(box->text()), int(box->icon()));
        std::fflush(stdout);
        box->button(QMessageBox::Ok)->click();
    });
    watcher->start(50);
    if (timersLeft >= 0) {
        static TVirtualClock clock;
        clock.SetCapacity(timersLeft);
        TClock::Install(&clock);
    }
    SetLayoutRoot(QString::fromLocal8Bit(layoutDir));
    Application->Initialize();
    Application->CreateForm(ProbeForm);
}
} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    layoutDir = argv[1];
    if (argc > 2)
        timersLeft = std::atoi(argv[2]);
    const int code = RunProgram(argv[0], Body);
    std::fflush(stdout);
    return code;
}

#include "layout_probe.moc"
