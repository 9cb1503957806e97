// Colours and fonts as layouts name them.
#pragma once

#include <QColor>
#include <QFont>
#include <QObject>

namespace Graphics {
Q_NAMESPACE

// Plain colours are 0x00BBGGRR; system colours carry the high byte 0xFF and the
// index of the system's colour.
enum TColor : int {
    clBlack = 0x000000,
    clMaroon = 0x000080,
    clGreen = 0x008000,
    clNavy = 0x800000,
    clRed = 0x0000FF,
    clBlue = 0xFF0000,
    clWhite = 0xFFFFFF,
    clWindowText = int(0xFF000008),
    clWindow = int(0xFF000005),
    clBtnFace = int(0xFF00000F),
    clBtnText = int(0xFF000012),
};
Q_ENUM_NS(TColor)

enum TFontCharset : int { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, GB2312_CHARSET = 134 };
Q_ENUM_NS(TFontCharset)

enum TFontStyle : int { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

// The colour a TColor stands for on this system.
QColor ColorToRGB(int color);
} // namespace Graphics

class TFont : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Graphics::TFontCharset Charset MEMBER charset_)
    Q_PROPERTY(Graphics::TColor Color MEMBER color_)
    Q_PROPERTY(int Height MEMBER height_)
    Q_PROPERTY(QString Name MEMBER name_)
    Q_PROPERTY(Graphics::TFontStyles Style READ Style WRITE SetStyle)
public:
    using QObject::QObject;

    // Negative heights are character heights in pixels at the design resolution,
    // positive ones cell heights; `pixelsPerInch` is the resolution they are given in.
    QFont ToQFont(int pixelsPerInch) const;
    QColor TextColor() const { return Graphics::ColorToRGB(color_); }
    int Height() const { return height_; }
    Graphics::TFontStyles Style() const { return style_; }
    void SetStyle(Graphics::TFontStyles style) { style_ = style; }

    // The text height of a font: its ascent plus its descent.
    static int TextHeight(const QFont &font);

private:
    Graphics::TFontCharset charset_ = Graphics::DEFAULT_CHARSET;
    Graphics::TColor color_ = Graphics::clWindowText;
    int height_ = -11;
    QString name_ = QStringLiteral("MS Sans Serif");
    Graphics::TFontStyles style_;
};

// Maps the font families layouts name to families that this system has, with
// the same metrics and the Chinese glyphs. Called once at start-up.
void InstallFontSubstitutes();
