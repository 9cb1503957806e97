// The program as a user meets it: started on a display with a window manager,
// its web views routed to a loopback server.
#include "support/PageServer.h"
#include "support/Program.h"
#include "support/X11.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString Caption = QStringLiteral("Quorvel网速测试器");
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void showsTheCutOutOfTheSpeedTestPage();
    void skinFrameMovesWithTheCaptionAndClosesWithAltF4();
    void survivesAServerThatFails_data();
    void survivesAServerThatFails();
};

void TestMainWindow::showsTheCutOutOfTheSpeedTestPage()
{
    PageServer server;
    // Wider than 800 and taller than 500: the web view has scroll bars of its own.
    server.SetPage(QStringLiteral("/140100"), PageServer::CoordinatePage(1000, 700));
    Program program(server.Port());
    QVERIFY2(program.WaitForMainWindow(), "the main window did not appear");
    QVERIFY2(QTest::qWaitFor([&] { return server.Count(QStringLiteral("/loaded")) > 0; }, 30000), "the page did not load");
    QTest::qWait(1000);

    const X11::Window window = program.MainWindow();
    QCOMPARE(X11::Title(window), Caption);
    const QStringList states = X11::States(window);
    QVERIFY2(states.contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")), qPrintable(states.join(u' ')));
    QVERIFY2(states.contains(QStringLiteral("_NET_WM_STATE_SKIP_PAGER")), qPrintable(states.join(u' ')));

    // Every pixel of the client area below the 40-pixel button row is the page,
    // shifted 133 pixels left: no scroll bar, no border, nothing else.
    // The skin's frame: 4 pixels at the left, the right and the bottom, a 30-pixel caption.
    const QRect client = X11::Geometry(window).adjusted(4, 30, -4, -4);
    const QImage screen = X11::GrabScreen();
    // The news popup comes up at 10 s over part of the window; what it covers is not the window's.
    QRect popup;
    for (X11::Window other : program.Windows())
        if (other != window && X11::Viewable(other))
            popup = popup.united(X11::Geometry(other));
    QVERIFY(screen.rect().contains(client));
    QVERIFY(client.width() > 500 && client.height() > 400);
    int wrong = 0;
    QString first;
    for (int y = 40; y < client.height(); ++y) {
        for (int x = 0; x < client.width(); ++x) {
            if (popup.contains(client.left() + x, client.top() + y))
                continue;
            const QPoint page = PageServer::Decode(screen.pixel(client.left() + x, client.top() + y));
            if (page != QPoint(x + 133, y - 40) && wrong++ == 0)
                first = QStringLiteral("client (%1, %2) shows page (%3, %4)").arg(x).arg(y).arg(page.x()).arg(page.y());
        }
    }
    QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 pixels wrong; first: %2").arg(wrong).arg(first)));

    // The outer size, frame included, is held at 545 x 520, even when a resize is asked for.
    const auto outer = [&] {
        const QList<int> f = X11::FrameExtents(window);
        const QRect g = X11::Geometry(window);
        return f.size() == 4 ? QSize(g.width() + f[0] + f[1], g.height() + f[2] + f[3]) : QSize();
    };
    QCOMPARE(outer(), QSize(545, 520));
    X11::RequestSize(window, 700, 600);
    QTest::qWait(500);
    QCOMPARE(outer(), QSize(545, 520));

    QCOMPARE(server.Count(QStringLiteral("/140100")), 1);
    QCOMPARE(server.Hosts().at(server.Paths().indexOf(QStringLiteral("/140100"))),
             QStringLiteral("speedtest.velocinet.com"));
    QVERIFY(program.CloseAndWait());
    QCOMPARE(program.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.process.exitCode(), 0);
}

void TestMainWindow::skinFrameMovesWithTheCaptionAndClosesWithAltF4()
{
    PageServer server;
    Program program(server.Port());
    QVERIFY2(program.WaitForMainWindow(), "the main window did not appear");
    const X11::Window window = program.MainWindow();
    // The skin draws the whole frame: the window manager draws none.
    QTRY_COMPARE(X11::FrameExtents(window), (QList<int>{0, 0, 0, 0}));
    const QRect before = X11::Geometry(window);
    QCOMPARE(before.size(), QSize(545, 520));

    const auto xdotool = [](const QStringList &args) { return QProcess::execute(QStringLiteral("xdotool"), args); };
    const QPoint grip = before.topLeft() + QPoint(300, 15);
    xdotool({"mousemove", "--sync", QString::number(grip.x()), QString::number(grip.y()), "mousedown", "1"});
    for (int step = 1; step <= 4; ++step)
        xdotool({"mousemove", "--sync", QString::number(grip.x() + 15 * step), QString::number(grip.y() + 10 * step)});
    xdotool({"mouseup", "1"});
    QTRY_COMPARE(X11::Geometry(window).topLeft(), before.topLeft() + QPoint(60, 40));
    QCOMPARE(X11::Geometry(window).size(), QSize(545, 520));

    xdotool({"windowactivate", "--sync", QString::number(window), "key", "alt+F4"});
    QVERIFY(program.WaitForExit());
    QCOMPARE(program.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.process.exitCode(), 0);
}

void TestMainWindow::survivesAServerThatFails_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("refuses connections") << -1;
    QTest::newRow("answers 500") << int(PageServer::Error500);
    QTest::newRow("never answers") << int(PageServer::Silent);
}

void TestMainWindow::survivesAServerThatFails()
{
    QFETCH(int, mode);
    PageServer server(mode < 0 ? PageServer::Serve : PageServer::Mode(mode));
    quint16 port = server.Port();
    if (mode < 0) {
        // A port nobody listens on.
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        port = closed.serverPort();
    }
    Program program(port);
    QVERIFY2(program.WaitForMainWindow(), "the main window did not appear");
    QTest::qWait(4000);
    if (mode >= 0)
        QCOMPARE(server.Count(QStringLiteral("/140100")), 1);
    // No error box: the main window, and from 10 s the news popup, are all there is.
    for (X11::Window window : program.Windows())
        QVERIFY2(window == program.MainWindow() || X11::Title(window) == QStringLiteral("Form2"),
                 qPrintable("an unexpected window: '" + X11::Title(window) + "'"));
    QVERIFY2(program.CloseAndWait(), "the program did not end when its window was closed");
    QCOMPARE(program.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.process.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
