// The main window's toolbar and its once-a-minute memory trim, on the real
// layout, with a recording browser on PATH and the timers on a virtual clock.
#include "Clock.h"
#include "Unit1.h"
#include "WinApi.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

// Resident memory of this process, in KiB.
long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

class TestToolbar : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void buttonsSitInARowAcrossTheTop();
    void eachButtonOpensItsPage_data();
    void eachButtonOpensItsPage();
    void quickClicksAreNotMerged();
    void addressReachesTheBrowserAsOneArgumentWithoutAShell();
    void noBrowserStartsNothingAndSaysNothing();
    void trimRunsEveryMinute_data();
    void trimRunsEveryMinute();
    void clickWaitingDuringATrimIsHandledInsideIt_data();
    void clickWaitingDuringATrimIsHandledInsideIt();

private:
    // What the recording browser was started with: one list of arguments a start.
    QList<QStringList> Starts() const;
    void InstallBrowser();

    QTemporaryDir dir_;
    QByteArray path_;
    TVirtualClock *clock_ = nullptr;
    TApplication *application_ = nullptr;
};

void TestToolbar::initTestCase()
{
    InstallFontSubstitutes();
    path_ = qgetenv("PATH");
    QDir(dir_.path()).mkdir("bin");
    QDir(dir_.path()).mkdir("empty");
    InstallBrowser();
}

void TestToolbar::InstallBrowser()
{
    // Appends its arguments, one a line, after a line with their count.
    QFile script(dir_.filePath("bin/firefox"));
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; } >> '" + dir_.filePath("starts").toUtf8() + "'\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
}

QList<QStringList> TestToolbar::Starts() const
{
    QFile file(dir_.filePath("starts"));
    QList<QStringList> starts;
    if (!file.open(QIODevice::ReadOnly))
        return starts;
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    while (!lines.isEmpty() && !lines.first().isEmpty()) {
        const int count = lines.takeFirst().toInt();
        starts << lines.mid(0, count);
        lines = lines.mid(count);
    }
    return starts;
}

void TestToolbar::init()
{
    QFile::remove(dir_.filePath("starts"));
    qputenv("PATH", dir_.filePath("bin").toUtf8() + ":" + path_);
    Win32Platform = VER_PLATFORM_WIN32_NT;
    clock_ = new TVirtualClock;
    TClock::Install(clock_);
    application_ = new TApplication;
    Application->Initialize();
    Application->CreateForm(Form1);
    Form1->Show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1->Widget()));
}

void TestToolbar::cleanup()
{
    delete application_;
    Form1 = nullptr;
    TClock::Install(nullptr);
    delete clock_;
    qputenv("PATH", path_);
}

void TestToolbar::buttonsSitInARowAcrossTheTop()
{
    const QList<TButton *> row{Form1->BitBtn1, Form1->BitBtn2, Form1->BitBtn3, Form1->BitBtn4, Form1->Button1};
    const QList<QRect> expected{{0, 0, 105, 40}, {106, 0, 105, 40}, {212, 0, 105, 40}, {318, 0, 105, 40}, {424, 0, 113, 40}};
    const QStringList captions{"网址导航", "淘宝商城", "淘宝热卖", "旗舰店大全", "查看升级"};
    for (int i = 0; i < row.size(); ++i) {
        QCOMPARE(row[i]->Widget()->geometry(), expected[i]);
        QCOMPARE(row[i]->Caption(), captions[i]);
    }
    const QList<QSize> pictures{{18, 16}, {17, 17}, {16, 16}, {17, 16}};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(static_cast<TBitBtn *>(row[i])->Glyph().size(), pictures[i]);
    // Tab order: the upgrade button, then the four picture buttons.
    QStringList order;
    QWidget *w = Form1->Button1->Widget();
    while (order.size() < 4) {
        w = w->nextInFocusChain();
        for (TButton *b : row)
            if (b->Widget() == w)
                order << b->Name();
    }
    QCOMPARE(order, (QStringList{"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4"}));
}

void TestToolbar::eachButtonOpensItsPage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("address");
    QTest::newRow("site directory") << "BitBtn1" << "http://dh.quorvel.com";
    QTest::newRow("mall") << "BitBtn2" << "http://mall.quorvel.com";
    QTest::newRow("best-sellers") << "BitBtn3" << "http://rexiao.quorvel.com";
    QTest::newRow("store directory") << "BitBtn4" << "http://qijian.quorvel.com";
    QTest::newRow("newest version") << "Button1" << "http://down.quorvel.com/dows.exe";
}

void TestToolbar::eachButtonOpensItsPage()
{
    QFETCH(QString, button);
    QFETCH(QString, address);
    auto *control = Form1->findChild<TButton *>(button);
    QTest::mouseClick(control->Widget(), Qt::LeftButton);
    QTRY_COMPARE(Starts(), (QList<QStringList>{{address}}));
    QTest::qWait(200);
    QCOMPARE(Starts().size(), 1);
    QVERIFY(Form1->Widget()->isVisible());
}

void TestToolbar::quickClicksAreNotMerged()
{
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(Form1->BitBtn2->Widget(), Qt::LeftButton);
    QTRY_COMPARE(Starts().size(), 3);
    QTest::qWait(200);
    QCOMPARE(Starts().size(), 3);
}

void TestToolbar::addressReachesTheBrowserAsOneArgumentWithoutAShell()
{
    const char *address = "http://a.example/x y?q=1&r=$(touch pwned);echo 'hi'";
    QVERIFY(ShellExecuteA(Form1->Handle(), "open", "IExplore.EXE", address, nullptr, SW_SHOWNORMAL) > 32);
    QTRY_COMPARE(Starts(), (QList<QStringList>{{QString::fromUtf8(address)}}));
    QVERIFY(!QFile::exists("pwned"));
}

void TestToolbar::noBrowserStartsNothingAndSaysNothing()
{
    qputenv("PATH", dir_.filePath("empty").toUtf8());
    bool boxSeen = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxSeen = true;
            box->close();
        }
    });
    watch.start(10);
    for (TButton *b : {static_cast<TButton *>(Form1->BitBtn1), Form1->Button1})
        QTest::mouseClick(b->Widget(), Qt::LeftButton);
    QTest::qWait(300);
    QVERIFY(!boxSeen);
    QVERIFY(Starts().isEmpty());
    QVERIFY(Form1->Widget()->isVisible());
}

void TestToolbar::trimRunsEveryMinute_data()
{
    QTest::addColumn<int>("platform");
    QTest::addColumn<int>("trims");
    QTest::newRow("offers a trim") << int(VER_PLATFORM_WIN32_NT) << 10;
    QTest::newRow("other family") << int(VER_PLATFORM_WIN32_WINDOWS) << 0;
    QTest::newRow("version query failed") << 0 << 0;
}

void TestToolbar::trimRunsEveryMinute()
{
    QFETCH(int, platform);
    QFETCH(int, trims);
    Win32Platform = DWORD(platform);
    const unsigned before = WorkingSetTrims();
    clock_->Advance(59999);
    QCOMPARE(WorkingSetTrims() - before, 0u);
    clock_->Advance(1);
    QCOMPARE(WorkingSetTrims() - before, trims ? 1u : 0u);
    clock_->Advance(9 * 60000);
    QCOMPARE(int(WorkingSetTrims() - before), trims);
    // The timer never stops, whatever the platform.
    QVERIFY(clock_->IsArmed(Form1->Timer1));
}

void TestToolbar::clickWaitingDuringATrimIsHandledInsideIt_data()
{
    QTest::addColumn<int>("platform");
    QTest::addColumn<bool>("handledInside");
    QTest::newRow("trim runs") << int(VER_PLATFORM_WIN32_NT) << true;
    QTest::newRow("no trim") << int(VER_PLATFORM_WIN32_WINDOWS) << false;
}

void TestToolbar::clickWaitingDuringATrimIsHandledInsideIt()
{
    QFETCH(int, platform);
    QFETCH(bool, handledInside);
    Win32Platform = DWORD(platform);
    clock_->Advance(59000);
    // A click waits in the queue when the minute comes round.
    QWidget *button = Form1->Button1->Widget();
    const QPoint centre = button->rect().center();
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, centre, button->mapToGlobal(centre),
                                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, centre, button->mapToGlobal(centre),
                                                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    const long residentBefore = ResidentKiB();
    clock_->Advance(1000);
    const long residentAfter = ResidentKiB();
    if (handledInside)
        qInfo("resident memory around a trim: %ld KiB before, %ld KiB after", residentBefore, residentAfter);
    // Give a started browser time to write, without running our own messages.
    QThread::msleep(500);
    QCOMPARE(!Starts().isEmpty(), handledInside);
    // Either way the click is handled once.
    QTRY_COMPARE(Starts().size(), 1);
}

QTEST_MAIN(TestToolbar)
#include "tst_toolbar.moc"
