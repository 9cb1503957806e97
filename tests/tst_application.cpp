// The application object: start-up order, the default error display, the
// hidden owner's tool-window style and the exit rule.
#include "Application.h"
#include "Button.h"
#include "Clock.h"
#include "Layout.h"
#include "Timer.h"
#include "WinApi.h"
#include "support/X11.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>

class TFormB;
extern TFormB *FormB;

class TFormA : public TForm
{
    Q_OBJECT
    Q_PROPERTY(TButton *Button1 MEMBER Button1)
    Q_PROPERTY(TTimer *Timer1 MEMBER Timer1)
public:
    explicit TFormA(TComponent *owner) : TForm(owner) {}
    TButton *Button1 = nullptr;
    TTimer *Timer1 = nullptr;

    static inline std::function<void()> onCreate, onClick, onTimer;
    static inline QStringList order;

public slots:
    void FormCreate(TObject *)
    {
        order << QStringLiteral("A created, title '%1', B %2")
                     .arg(QString::fromStdU16String(Application->Title()), FormB ? "exists" : "not yet");
        if (onCreate)
            onCreate();
    }
    void Button1Click(TObject *)
    {
        if (onClick)
            onClick();
    }
    void Timer1Timer(TObject *)
    {
        if (onTimer)
            onTimer();
    }
};

class TFormB : public TForm
{
    Q_OBJECT
public:
    explicit TFormB(TComponent *owner) : TForm(owner) {}
public slots:
    void FormCreate(TObject *) { TFormA::order << QStringLiteral("B created"); }
};

TFormA *FormA = nullptr;
TFormB *FormB = nullptr;

namespace {

const char *LayoutA = R"({ "class": "TFormA", "name": "FormA",
  "properties": { "Caption": "%CAPTION%", "ClientWidth": 200, "ClientHeight": 100, "OnCreate": "FormCreate" },
  "children": [
    { "class": "TButton", "name": "Button1",
      "properties": { "Left": 0, "Top": 0, "Width": 80, "Height": 30, "Caption": "go", "OnClick": "Button1Click" } },
    { "class": "TTimer", "name": "Timer1", "properties": { "Interval": 20, "OnTimer": "Timer1Timer" } } ] })";

const char *LayoutB = R"({ "class": "TFormB", "name": "FormB",
  "properties": { "Caption": "B", "ClientWidth": 120, "ClientHeight": 80, "OnCreate": "FormCreate" } })";

// Watches for the next message box; once it has been open `holdMs`, records what
// it shows, runs `whileOpen` and presses OK. Stops watching when it goes out of scope.
struct Box {
    explicit Box(int holdMs = 0, std::function<void()> whileOpen = {})
    {
        QObject::connect(&poll, &QTimer::timeout, [this, holdMs, whileOpen] {
            auto *widget = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!widget || !widget->isVisible())
                return;
            poll.stop();
            QTimer::singleShot(holdMs, &poll, [this, widget, whileOpen] {
                seen = true;
                caption = widget->windowTitle();
                text = widget->text();
                icon = widget->icon();
                nativeTitle = X11::Title(X11::Window(widget->winId()), &nativeTitlePresent);
                states = X11::States(X11::Window(widget->winId()));
                if (whileOpen)
                    whileOpen();
                widget->button(QMessageBox::Ok)->click();
            });
        });
        poll.start(10);
    }

    QTimer poll;
    bool seen = false;
    QString caption, text, nativeTitle;
    bool nativeTitlePresent = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList states;
};

bool WaitFor(const std::function<bool()> &done, int ms = 5000)
{
    return QTest::qWaitFor(done, ms);
}

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void displayText_data();
    void displayText();
    void startsFormsInOrder();
    void errorInOnCreateIsShownAndStartUpGoesOn();
    void handlerErrorsGoToTheDefaultDisplay_data();
    void handlerErrorsGoToTheDefaultDisplay();
    void timersKeepFiringWhileTheBoxIsOpen();
    void toolWindowOwnerKeepsEveryWindowOffTheTaskbar();
    void emptyCaptionIsReallyEmpty();
    void closingTheMainFormEndsTheLoop();

private:
    void WriteLayouts(const char *caption = "A");

    QTemporaryDir dir_;
    TApplication *application_ = nullptr;
};

void TestApplication::initTestCase()
{
    InstallFontSubstitutes();
    SetLayoutRoot(dir_.path());
}

void TestApplication::WriteLayouts(const char *caption)
{
    QFile a(dir_.filePath("TFormA.json"));
    a.open(QIODevice::WriteOnly);
    a.write(QByteArray(LayoutA).replace("%CAPTION%", caption));
    QFile b(dir_.filePath("TFormB.json"));
    b.open(QIODevice::WriteOnly);
    b.write(LayoutB);
}

void TestApplication::init()
{
    WriteLayouts();
    TFormA::onCreate = TFormA::onClick = TFormA::onTimer = nullptr;
    TFormA::order.clear();
    FormA = nullptr;
    FormB = nullptr;
    application_ = new TApplication;
}

void TestApplication::cleanup()
{
    delete application_;
}

void TestApplication::displayText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "Access denied" << "Access denied.";
    QTest::newRow("full stop already") << "Done." << "Done.";
    QTest::newRow("ends in '!' (sorts before '.')") << "Stop!" << "Stop!";
    QTest::newRow("ends in ')'") << "Failed (2)" << "Failed (2)";
    QTest::newRow("ends in a digit") << "Error 404" << "Error 404.";
    QTest::newRow("ends in '/' (sorts after '.')") << "Bad path /" << "Bad path /.";
    QTest::newRow("ends in a space") << "Oops " << "Oops ";
    QTest::newRow("Chinese") << "无法连接" << "无法连接.";
    QTest::newRow("empty") << "" << "";
}

void TestApplication::displayText()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(QString::fromStdU16String(TApplication::DisplayText(message.toStdU16String())), shown);
}

void TestApplication::startsFormsInOrder()
{
    Application->SetTitle(u"Quorvel网速测试器");
    TFormA::onCreate = [] { Application->SetTitle(u""); };
    Application->CreateForm(FormA);
    Application->CreateForm(FormB);
    QCOMPARE(TFormA::order, (QStringList{"A created, title 'Quorvel网速测试器', B not yet", "B created"}));
    QCOMPARE(Application->MainForm(), FormA);
    QVERIFY(Application->Title().empty());
    QVERIFY(!FormA->Widget()->isVisible() && !FormB->Widget()->isVisible());
}

void TestApplication::errorInOnCreateIsShownAndStartUpGoesOn()
{
    TFormA::onCreate = [] { throw EOleException(u"Navigation refused"); };
    Box box;
    Application->CreateForm(FormA);
    Application->CreateForm(FormB);
    QVERIFY(box.seen);
    QCOMPARE(box.text, QStringLiteral("Navigation refused."));
    QVERIFY(FormA && FormB);
    QCOMPARE(Application->MainForm(), FormA);
}

void TestApplication::handlerErrorsGoToTheDefaultDisplay_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("text");
    QTest::newRow("class-library error") << 0 << true << "Access denied.";
    QTest::newRow("standard error") << 1 << true << "bad_alloc somewhere.";
    QTest::newRow("EAbort") << 2 << false << "";
}

void TestApplication::handlerErrorsGoToTheDefaultDisplay()
{
    QFETCH(int, kind);
    QFETCH(bool, shown);
    QFETCH(QString, text);
    Application->CreateForm(FormA);
    Application->SetTitle(u"");
    FormA->Show();
    QVERIFY(QTest::qWaitForWindowExposed(FormA->Widget()));
    int clicks = 0;
    TFormA::onClick = [&] {
        ++clicks;
        if (kind == 0)
            throw Exception(u"Access denied");
        if (kind == 1)
            throw std::runtime_error("bad_alloc somewhere");
        throw EAbort();
    };
    Box box;
    QTest::mouseClick(FormA->Button1->Widget(), Qt::LeftButton);
    QTest::qWait(shown ? 0 : 300);
    QCOMPARE(box.seen, shown);
    if (shown) {
        QCOMPARE(box.text, text);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.caption, QString());
        QVERIFY2(box.nativeTitlePresent && box.nativeTitle.isEmpty(),
                 qPrintable("the desktop shows the box's title as '" + box.nativeTitle + "'"));
    }
    // The program carries on: the next click is handled as the first was.
    TFormA::onClick = [&] { ++clicks; };
    QTest::mouseClick(FormA->Button1->Widget(), Qt::LeftButton);
    QCOMPARE(clicks, 2);
}

void TestApplication::timersKeepFiringWhileTheBoxIsOpen()
{
    Application->CreateForm(FormA);
    int ticks = 0;
    int ticksWhileOpen = -1;
    bool inside = false;
    TFormA::onTimer = [&] {
        ++ticks;
        if (ticks == 1) {
            inside = true;
            throw Exception(u"first tick failed");
        }
    };
    // Ticks arrive through the box's own loop, nested inside the handler that raised the error.
    Box box(300, [&] { ticksWhileOpen = ticks; });
    QVERIFY(WaitFor([&] { return box.seen; }));
    QVERIFY(inside);
    QVERIFY2(ticksWhileOpen >= 5, qPrintable(QString::number(ticksWhileOpen)));
    FormA->Timer1->SetEnabled(false);
}

void TestApplication::toolWindowOwnerKeepsEveryWindowOffTheTaskbar()
{
    const QStringList skip{"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"};
    const auto skips = [&](QWidget *w) {
        const QStringList states = X11::States(X11::Window(w->winId()));
        return states.contains(skip[0]) && states.contains(skip[1]);
    };
    Application->CreateForm(FormA);
    Application->CreateForm(FormB);
    FormA->Show();
    QVERIFY(QTest::qWaitForWindowExposed(FormA->Widget()));
    QVERIFY(!skips(FormA->Widget()));

    QCOMPARE(SetWindowLongA(Application->Handle(), GWL_EXSTYLE, WS_EX_TOOLWINDOW), 0);
    // A window already on screen, one shown afterwards, one shown again, and a message box.
    QVERIFY(WaitFor([&] { return skips(FormA->Widget()); }));
    FormB->Show();
    QVERIFY(QTest::qWaitForWindowExposed(FormB->Widget()));
    QVERIFY(WaitFor([&] { return skips(FormB->Widget()); }));
    FormB->Hide();
    QTest::qWait(100);
    FormB->Show();
    QVERIFY(QTest::qWaitForWindowExposed(FormB->Widget()));
    QTest::qWait(100);
    QVERIFY(skips(FormB->Widget()));
    Box box(100);
    Application->ShowException(Exception(u"x"));
    QVERIFY(box.states.contains(skip[0]) && box.states.contains(skip[1]));
}

void TestApplication::emptyCaptionIsReallyEmpty()
{
    WriteLayouts("");
    Application->CreateForm(FormA);
    FormA->Show();
    QVERIFY(QTest::qWaitForWindowExposed(FormA->Widget()));
    bool present = false;
    const QString title = X11::Title(X11::Window(FormA->Widget()->winId()), &present);
    QVERIFY2(present && title.isEmpty(), qPrintable(title));
}

void TestApplication::closingTheMainFormEndsTheLoop()
{
    Application->CreateForm(FormA);
    Application->CreateForm(FormB);
    QTimer::singleShot(200, [] {
        FormB->Show();
        // Closing any other form only hides it.
        FormB->Close();
        QVERIFY(!FormB->Widget()->isVisible());
        QVERIFY(!Application->Terminated());
        FormA->Close();
    });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(); });  // a safety net
    Application->Run();
    QVERIFY(Application->Terminated());
    QVERIFY(FormB);  // both forms live until the application goes
}

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
