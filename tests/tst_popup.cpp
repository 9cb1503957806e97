// The news popup as a user meets it, on a screen of the size SCREEN_SIZE names
// (1024x768 unless set): the program on a display of its own with a window
// manager, its web views routed to a loopback server.
#include "support/Display.h"
#include "support/PageServer.h"
#include "support/Program.h"
#include "support/X11.h"

#include <QCoreApplication>
#include <QTest>

namespace {

QSize screenSize;

void ServePages(PageServer &server)
{
    server.SetPage(QStringLiteral("/140100"), "<html><body style='background:#def'>speed test</body></html>");
    server.SetPage(QStringLiteral("/cpv/news.htm"), "<html><body style='background:#fed'>news</body></html>");
}

} // namespace

class TestPopup : public QObject
{
    Q_OBJECT
private slots:
    void appearsOnceInTheCornerOfTheScreen();
    void closingTheMainWindowFirstMeansNoPopup();
};

void TestPopup::appearsOnceInTheCornerOfTheScreen()
{
    PageServer server;
    ServePages(server);
    Program program(server.Port());
    QVERIFY2(program.WaitForMainWindow(), "no main window");
    QVERIFY2(QTest::qWaitFor([&] { return program.PopupViewable(); }, 30000), "the popup did not appear");
    const double shownAt = program.Now();

    // The news page was asked for once, at about 9 s, before the popup came up at about 10 s.
    QCOMPARE(server.Count(QStringLiteral("/cpv/news.htm")), 1);
    const double newsAt = program.Since(server.Times().at(server.Paths().indexOf(QStringLiteral("/cpv/news.htm"))));
    QVERIFY2(newsAt > 8.5 && newsAt < 12, qPrintable(QString::number(newsAt)));
    QVERIFY2(shownAt > 9.5 && shownAt < 13 && shownAt > newsAt, qPrintable(QString::number(shownAt)));

    // 20 pixels from the right edge and 40 from the bottom of the whole screen, uncorrected.
    const X11::Window popup = program.Popup();
    const QPoint expected(screenSize.width() - 292 - 20, screenSize.height() - 246 - 40);
    QCOMPARE(X11::Geometry(popup), QRect(expected, QSize(292, 246)));
    QTRY_COMPARE(X11::ActiveWindow(), popup);
    const QStringList states = X11::States(popup);
    QVERIFY(states.contains("_NET_WM_STATE_SKIP_TASKBAR") && states.contains("_NET_WM_STATE_SKIP_PAGER"));

    // Its close button hides it for the rest of the run, when the button is on the screen at all.
    const QPoint closeButton = expected + QPoint(281, 11);
    if (QRect(QPoint(0, 0), screenSize).contains(closeButton)) {
        X11::Click(closeButton);
        QTRY_VERIFY(!program.PopupViewable());
        QTest::qWait(int((25 - program.Now()) * 1000));
        QVERIFY(!program.PopupViewable());
        QCOMPARE(server.Count(QStringLiteral("/cpv/news.htm")), 1);
    }
    QCOMPARE(server.Count(QStringLiteral("/140100")), 1);
    QVERIFY(program.CloseAndWait());
    QCOMPARE(program.process.exitCode(), 0);
}

void TestPopup::closingTheMainWindowFirstMeansNoPopup()
{
    PageServer server;
    ServePages(server);
    Program program(server.Port());
    QVERIFY(program.WaitForMainWindow());
    QTest::qWait(qMax(0, int((5 - program.Now()) * 1000)));
    QVERIFY(program.Now() < 9);
    QVERIFY(program.CloseAndWait());
    QCOMPARE(program.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.process.exitCode(), 0);
    QCOMPARE(server.Count(QStringLiteral("/cpv/news.htm")), 0);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList size = qEnvironmentVariable("SCREEN_SIZE", QStringLiteral("1024x768")).split(u'x');
    screenSize = QSize(size.value(0).toInt(), size.value(1).toInt());
    VirtualDisplay display;
    if (!display.Start(screenSize)) {
        qCritical("could not start a virtual display");
        return 1;
    }
    TestPopup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_popup.moc"
