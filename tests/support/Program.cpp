#include "Program.h"

#include <QTest>

Program::Program(quint16 proxyPort)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), QStringLiteral("--proxy-server=http://127.0.0.1:%1").arg(proxyPort));
    process.setProcessEnvironment(env);
    process.setProgram(QStringLiteral(PROJECT1_PATH));
    started.start();
    process.start();
}

Program::~Program()
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
}

QList<X11::Window> Program::Windows() const
{
    return X11::WindowsOf(process.processId());
}

X11::Window Program::Find(const QString &title) const
{
    for (X11::Window window : Windows())
        if (X11::Title(window) == title)
            return window;
    return 0;
}

X11::Window Program::MainWindow() const
{
    return Find(QStringLiteral("Quorvel网速测试器"));
}

X11::Window Program::Popup() const
{
    return Find(QStringLiteral("Form2"));
}

bool Program::PopupViewable() const
{
    return Popup() && X11::Viewable(Popup());
}

bool Program::WaitForMainWindow() const
{
    return QTest::qWaitFor([this] { return MainWindow() && X11::Viewable(MainWindow()); }, 30000);
}

bool Program::WaitForExit(int ms)
{
    return QTest::qWaitFor([this] { return process.state() == QProcess::NotRunning; }, ms);
}

bool Program::CloseAndWait()
{
    X11::Close(MainWindow());
    return WaitForExit();
}
