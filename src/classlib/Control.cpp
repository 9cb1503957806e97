#include "Control.h"

#include <cmath>

TControl::TControl(TComponent *owner, QWidget *widget)
    : TComponent(owner)
    , widget_(widget)
{
}

TControl::~TControl()
{
    // A parent's widget takes its children's with it; delete ours only if it is still here.
    delete widget_.data();
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (widget_ && !widget_->isWindow())
        widget_->setGeometry(left, top, width, height);
}

void TControl::SetVisible(bool visible)
{
    visible_ = visible;
    if (widget_ && !widget_->isWindow())
        widget_->setVisible(visible);
}

void TControl::SetParent(TControl *parent)
{
    parent_ = parent;
    if (!widget_)
        return;
    widget_->setParent(parent ? parent->ClientWidget() : nullptr);
    widget_->setGeometry(left_, top_, width_, height_);
    widget_->setVisible(visible_);
    // Later siblings lie above earlier ones.
    widget_->raise();
}

int TControl::MulDiv(int value, int m, int d)
{
    return int(std::lround(double(value) * m / d));
}

void TControl::ScaleBy(int m, int d)
{
    SetBounds(MulDiv(left_, m, d), MulDiv(top_, m, d), MulDiv(left_ + width_, m, d) - MulDiv(left_, m, d),
              MulDiv(top_ + height_, m, d) - MulDiv(top_, m, d));
}
