// The panel: a container with a bevelled edge and a centred caption.
#pragma once

#include "Control.h"
#include "Graphics.h"

class TPanel : public TControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(Graphics::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
public:
    enum TBevelCut { bvNone, bvLowered, bvRaised };
    Q_ENUM(TBevelCut)

    explicit TPanel(TComponent *owner);

    QString Caption() const { return caption_; }
    void SetCaption(const QString &caption);
    Graphics::TColor Color() const { return color_; }
    void SetColor(Graphics::TColor color);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);

    void Paint(QWidget *widget) const;
    // Draws in the skin's colours from now on.
    void SetSkin(const struct TSkin *skin);

private:
    QString caption_;
    Graphics::TColor color_ = Graphics::clBtnFace;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    const struct TSkin *skin_ = nullptr;
};
