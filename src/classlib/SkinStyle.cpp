#include "SkinStyle.h"

#include "Skin.h"

namespace {
QString Gradient(const TSkin::Gradient &g)
{
    return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)").arg(g.top.name(), g.bottom.name());
}
} // namespace

QString SkinStyle::ButtonSheet(const TSkin &s)
{
    return QStringLiteral("QPushButton { background: %1; border: 1px solid %2; border-radius: %3px; color: %4; }"
                          "QPushButton:hover { background: %5; }"
                          "QPushButton:pressed { background: %6; }"
                          "QPushButton:focus { border-color: %7; }")
        .arg(Gradient(s.buttonFace), s.buttonBorder.name())
        .arg(s.buttonRadius)
        .arg(s.buttonText.name(), Gradient(s.buttonHover), Gradient(s.buttonPressed), s.buttonFocus.name());
}

QString SkinStyle::MenuSheet(const TSkin &s)
{
    return QStringLiteral("QMenu { background: %1; color: %2; border: 1px solid %3; padding: 3px; }"
                          "QMenu::item { padding: 4px 24px 4px 20px; }"
                          "QMenu::item:selected { background: %4; color: %5; }")
        .arg(s.menuFace.name(), s.menuText.name(), s.menuBorder.name(), s.menuHighlight.name(), s.menuHighlightText.name());
}

QString SkinStyle::DialogSheet(const TSkin &s)
{
    return QStringLiteral("QMessageBox { background: %1; } QMessageBox QLabel { color: %2; }"
                          "QMessageBox QPushButton { min-width: 72px; min-height: 22px; padding: 0 8px; }")
               .arg(s.windowFace.name(), s.windowText.name())
        + ButtonSheet(s);
}
