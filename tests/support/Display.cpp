#include "Display.h"

#include "X11.h"

#include <QFile>
#include <QTest>

bool VirtualDisplay::Start(QSize size)
{
    int number = 60;
    while (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)) || QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
        ++number;
    const QString display = QStringLiteral(":%1").arg(number);
    xvfb_.start(QStringLiteral("Xvfb"), {display, "-screen", "0", QStringLiteral("%1x%2x24").arg(size.width()).arg(size.height()),
                                          "-nolisten", "tcp"});
    if (!QTest::qWaitFor([&] { return QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)); }, 10000))
        return false;
    qputenv("DISPLAY", display.toLatin1());
    openbox_.start(QStringLiteral("openbox"), {});
    return QTest::qWaitFor([] { return X11::WindowManagerRunning(); }, 10000);
}

VirtualDisplay::~VirtualDisplay()
{
    for (QProcess *p : {&openbox_, &xvfb_}) {
        p->terminate();
        p->waitForFinished(3000);
    }
}
