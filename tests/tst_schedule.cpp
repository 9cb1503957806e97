// The news popup and the schedule that shows it, on the real layouts with the
// timers on a virtual clock.
#include "Clock.h"
#include "Screen.h"
#include "Unit1.h"
#include "Unit2.h"

#include <QApplication>
#include <QTest>

class TestSchedule : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void popupIsBorderlessWithItsButtonAboveTheView();
    void followsTheTimeline();
    void closedPopupNeverComesBack();
    void tickBeforeThePopupExistsIsSkipped();
    void monitorRuleKeepsTheOffset_data();
    void monitorRuleKeepsTheOffset();

private:
    void Start(bool withPopup = true);

    TVirtualClock *clock_ = nullptr;
    TApplication *application_ = nullptr;
};

namespace {
const String News = u"http://www.quorvel.com/cpv/news.htm";

QPoint Place(TForm *form)
{
    return form->Widget()->frameGeometry().topLeft();
}
} // namespace

void TestSchedule::initTestCase()
{
    InstallFontSubstitutes();
    // The views' pages go nowhere: a proxy port that nobody listens on.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--proxy-server=http://127.0.0.1:9");
}

void TestSchedule::init()
{
    clock_ = new TVirtualClock;
    TClock::Install(clock_);
    application_ = new TApplication;
    Application->Initialize();
}

void TestSchedule::Start(bool withPopup)
{
    Application->CreateForm(Form1);
    if (withPopup)
        Application->CreateForm(Form2);
    Form1->Show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1->Widget()));
}

void TestSchedule::cleanup()
{
    delete application_;
    Form1 = nullptr;
    Form2 = nullptr;
    TClock::Install(nullptr);
    delete clock_;
}

void TestSchedule::popupIsBorderlessWithItsButtonAboveTheView()
{
    Start();
    QWidget *window = Form2->Widget();
    QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(QSize(Form2->Width(), Form2->Height()), QSize(292, 246));
    QCOMPARE(Form2->WebBrowser1->Widget()->geometry(), QRect(0, 0, 500, 500));
    QCOMPARE(Form2->BitBtn1->Widget()->geometry(), QRect(270, 0, 22, 22));
    QCOMPARE(Form2->BitBtn1->Glyph().size(), QSize(21, 21));
    // The button, listed after the view, lies above it.
    QCOMPARE(Form2->ClientWidget()->childAt(280, 10), Form2->BitBtn1->Widget());
    QVERIFY(!window->isVisible());
}

void TestSchedule::followsTheTimeline()
{
    Start();
    QWidget *popup = Form2->Widget();

    clock_->Advance(8999);
    QVERIFY(Form2->WebBrowser1->LocationURL().empty());
    clock_->Advance(1);
    // About 9 s: the hidden popup asks for its page.
    QCOMPARE(Form2->WebBrowser1->LocationURL(), News);
    QVERIFY(!popup->isVisible());

    clock_->Advance(999);
    QVERIFY(!popup->isVisible());
    clock_->Advance(1);
    // About 10 s: placed 20 pixels from the right and 40 from the bottom of the screen, shown and active.
    QVERIFY(popup->isVisible());
    QCOMPARE(Place(Form2), QPoint(Screen->Width() - 292 - 20, Screen->Height() - 246 - 40));
    QTRY_COMPARE(QApplication::activeWindow(), popup);

    // About 11 s: the main window's popup timers stop, after a 200 ms pause.
    clock_->Advance(1000);
    QCOMPARE(clock_->Now(), 11200);
    QVERIFY(!clock_->IsArmed(Form1->Timer2) && !clock_->IsArmed(Form1->Timer3));
    QVERIFY(clock_->IsArmed(Form2->Timer1) && clock_->IsArmed(Form2->Timer2));

    // About 12 s: the popup's own timers stop, after another 200 ms pause.
    clock_->Advance(800);
    QCOMPARE(clock_->Now(), 12200);
    QVERIFY(!clock_->IsArmed(Form2->Timer1) && !clock_->IsArmed(Form2->Timer2));

    // Only the trim timer is left, and nothing moves the popup again.
    clock_->Advance(120000);
    QVERIFY(clock_->IsArmed(Form1->Timer1));
    QCOMPARE(Place(Form2), QPoint(Screen->Width() - 312, Screen->Height() - 286));
    QCOMPARE(Form2->WebBrowser1->LocationURL(), News);
}

void TestSchedule::closedPopupNeverComesBack()
{
    Start();
    clock_->Advance(10000);
    QVERIFY(Form2->Widget()->isVisible());
    QTest::mouseClick(Form2->BitBtn1->Widget(), Qt::LeftButton);
    QVERIFY(!Form2->Widget()->isVisible());
    QVERIFY(!Application->Terminated());
    clock_->Advance(60000);
    QVERIFY(!Form2->Widget()->isVisible());
    // Hidden, not gone: it keeps its page.
    QCOMPARE(Form2->WebBrowser1->LocationURL(), News);
}

void TestSchedule::tickBeforeThePopupExistsIsSkipped()
{
    Start(false);
    clock_->Advance(10000);  // the tick that would show the popup
    clock_->Advance(1000);   // and the end of the schedule
    QVERIFY(!clock_->IsArmed(Form1->Timer2));
    Application->CreateForm(Form2);
    clock_->Advance(60000);
    QVERIFY(!Form2->Widget()->isVisible());
}

void TestSchedule::monitorRuleKeepsTheOffset_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("from");
    QTest::addColumn<QRect>("to");
    QTest::addColumn<QPoint>("place");
    const QRect primary(0, 0, 1920, 1080);
    QTest::newRow("same monitor") << QRect(1608, 794, 292, 246) << primary << primary << QPoint(1608, 794);
    QTest::newRow("larger monitor on the right")
        << QRect(1608, 794, 292, 246) << primary << QRect(1920, 0, 2560, 1440) << QPoint(3528, 794);
    QTest::newRow("smaller monitor on the right, pulled back")
        << QRect(1608, 794, 292, 246) << primary << QRect(1920, 0, 1280, 1024) << QPoint(2908, 778);
    QTest::newRow("monitor on the left") << QRect(100, 50, 292, 246) << primary << QRect(-1024, 0, 1024, 768)
                                         << QPoint(-924, 50);
}

void TestSchedule::monitorRuleKeepsTheOffset()
{
    QFETCH(QRect, window);
    QFETCH(QRect, from);
    QFETCH(QRect, to);
    QFETCH(QPoint, place);
    QCOMPARE(TForm::MoveToMonitor(window, from, to), place);
}

QTEST_MAIN(TestSchedule)
#include "tst_schedule.moc"
