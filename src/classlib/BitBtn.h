// The picture button: a push button whose caption has a picture beside it.
// The picture's bottom-left pixel gives the colour that is drawn transparent.
#pragma once

#include "Button.h"

#include <QImage>
#include <QPixmap>

class TBitBtn : public TButton
{
    Q_OBJECT
    // Layouts name a picture compiled into the program by its resource path.
    Q_PROPERTY(QImage Glyph READ GlyphImage WRITE SetGlyph)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
public:
    explicit TBitBtn(TComponent *owner);

    QImage GlyphImage() const { return image_; }
    void SetGlyph(const QImage &image);
    const QPixmap &Glyph() const { return glyph_; }
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);

    // Where the picture and the caption go in a button of the given size:
    // picture left of caption, both centred together, Spacing pixels apart.
    struct Arrangement {
        QRect glyph;
        QRect caption;
    };
    Arrangement Arrange(const QRect &bounds, const QSize &captionSize) const;

private:
    QImage image_;
    QPixmap glyph_;
    int spacing_ = 4;
};
