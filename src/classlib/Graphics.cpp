#include "Graphics.h"

#include "Screen.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>

namespace Graphics {

QColor ColorToRGB(int color)
{
    const unsigned value = unsigned(color);
    if ((value & 0xFF000000u) == 0xFF000000u) {
        const QPalette palette = QGuiApplication::palette();
        switch (value & 0xFFu) {
        case 0x05: return palette.color(QPalette::Base);
        case 0x08: return palette.color(QPalette::WindowText);
        case 0x0F: return palette.color(QPalette::Button);
        case 0x12: return palette.color(QPalette::ButtonText);
        default: return palette.color(QPalette::Window);
        }
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

} // namespace Graphics

QFont TFont::ToQFont(int pixelsPerInch) const
{
    QFont font(name_);
    const int screenPpi = Screen ? Screen->PixelsPerInch() : 96;
    if (height_ < 0) {
        // A character height: the em size in pixels, rescaled to the screen.
        const int pixels = (-height_ * screenPpi + pixelsPerInch / 2) / pixelsPerInch;
        font.setPixelSize(qMax(1, pixels));
    } else if (height_ > 0) {
        QFont probe(font);
        probe.setPixelSize(height_);
        const int cell = TextHeight(probe);
        font.setPixelSize(qMax(1, height_ * height_ / qMax(1, cell)));
    }
    font.setBold(style_.testFlag(Graphics::fsBold));
    font.setItalic(style_.testFlag(Graphics::fsItalic));
    font.setUnderline(style_.testFlag(Graphics::fsUnderline));
    font.setStrikeOut(style_.testFlag(Graphics::fsStrikeOut));
    return font;
}

int TFont::TextHeight(const QFont &font)
{
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

void InstallFontSubstitutes()
{
    // WenQuanYi Micro Hei has Latin and Chinese glyphs, and at 11 pixels the
    // 13-pixel text height that the layouts were designed for.
    const QStringList sans{QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), sans);
}
