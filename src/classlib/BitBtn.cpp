#include "BitBtn.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
class BitBtnWidget : public QPushButton
{
public:
    explicit BitBtnWidget(const TBitBtn *button) : button_(button) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        option.icon = QIcon();
        painter.drawControl(QStyle::CE_PushButtonBevel, option);

        const QSize captionSize = fontMetrics().size(Qt::TextSingleLine, text());
        const TBitBtn::Arrangement a = button_->Arrange(rect(), captionSize);
        const int shift = isDown() ? 1 : 0;
        if (!button_->Glyph().isNull())
            painter.drawPixmap(a.glyph.topLeft() + QPoint(shift, shift), button_->Glyph());
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(a.caption.translated(shift, shift), Qt::AlignCenter | Qt::TextSingleLine, text());
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(4, 4, -4, -4);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

private:
    const TBitBtn *button_;
};
} // namespace

TBitBtn::TBitBtn(TComponent *owner)
    : TButton(owner, new BitBtnWidget(this))
{
}

void TBitBtn::SetGlyph(const QImage &image)
{
    image_ = image;
    glyph_ = QPixmap();
    if (!image.isNull()) {
        glyph_ = QPixmap::fromImage(image);
        glyph_.setMask(glyph_.createMaskFromColor(image.pixelColor(0, image.height() - 1), Qt::MaskInColor));
    }
    Widget()->update();
}

void TBitBtn::SetSpacing(int spacing)
{
    spacing_ = spacing;
    Widget()->update();
}

TBitBtn::Arrangement TBitBtn::Arrange(const QRect &bounds, const QSize &captionSize) const
{
    const QSize glyphSize = glyph_.isNull() ? QSize(0, 0) : glyph_.size();
    const int gap = glyphSize.isEmpty() || captionSize.width() == 0 ? 0 : spacing_;
    const int total = glyphSize.width() + gap + captionSize.width();
    const int left = bounds.left() + (bounds.width() - total + 1) / 2;
    const QRect glyph(left, bounds.top() + (bounds.height() - glyphSize.height() + 1) / 2, glyphSize.width(),
                      glyphSize.height());
    const QRect caption(left + glyphSize.width() + gap, bounds.top() + (bounds.height() - captionSize.height() + 1) / 2,
                        captionSize.width(), captionSize.height());
    return {glyph, caption};
}
