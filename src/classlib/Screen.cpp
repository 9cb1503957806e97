#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
TScreen screen;
}

TScreen *Screen = &screen;

int TScreen::Width() const
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? primary->geometry().width() : 0;
}

int TScreen::Height() const
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? primary->geometry().height() : 0;
}

int TScreen::PixelsPerInch() const
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? qRound(primary->logicalDotsPerInchY()) : 96;
}
