#include "Panel.h"

#include "Skin.h"

#include <QPainter>

namespace {
class PanelWidget : public QWidget
{
public:
    explicit PanelWidget(const TPanel *panel) : panel_(panel) {}

protected:
    void paintEvent(QPaintEvent *) override { panel_->Paint(this); }

private:
    const TPanel *panel_;
};
} // namespace

TPanel::TPanel(TComponent *owner)
    : TControl(owner, new PanelWidget(this))
{
}

void TPanel::SetCaption(const QString &caption)
{
    caption_ = caption;
    Widget()->update();
}

void TPanel::SetColor(Graphics::TColor color)
{
    color_ = color;
    Widget()->update();
}

void TPanel::SetBevelOuter(TBevelCut cut)
{
    bevelOuter_ = cut;
    Widget()->update();
}

void TPanel::SetBevelWidth(int width)
{
    bevelWidth_ = width;
    Widget()->update();
}

void TPanel::SetSkin(const TSkin *skin)
{
    skin_ = skin;
    Widget()->update();
}

void TPanel::Paint(QWidget *widget) const
{
    QPainter painter(widget);
    const QRect r = widget->rect();
    // A skin gives the panel face its own colour; a colour the layout chose stays.
    const bool skinned = skin_ && color_ == Graphics::clBtnFace;
    painter.fillRect(r, skinned ? skin_->panelFace : Graphics::ColorToRGB(color_));
    if (bevelOuter_ != bvNone) {
        const QPalette &palette = widget->palette();
        const QColor light = skin_ ? skin_->panelLight : palette.color(QPalette::Light);
        const QColor dark = skin_ ? skin_->panelDark : palette.color(QPalette::Dark);
        const QColor topLeft = bevelOuter_ == bvRaised ? light : dark;
        const QColor bottomRight = bevelOuter_ == bvRaised ? dark : light;
        for (int i = 0; i < bevelWidth_; ++i) {
            const QRect e = r.adjusted(i, i, -i, -i);
            painter.setPen(topLeft);
            painter.drawLine(e.topLeft(), e.topRight());
            painter.drawLine(e.topLeft(), e.bottomLeft());
            painter.setPen(bottomRight);
            painter.drawLine(e.bottomLeft(), e.bottomRight());
            painter.drawLine(e.topRight(), e.bottomRight());
        }
    }
    painter.setPen(widget->palette().color(QPalette::WindowText));
    painter.drawText(r, Qt::AlignCenter, caption_);
}
