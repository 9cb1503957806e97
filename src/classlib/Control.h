// A visible component: a rectangle in its parent's client area, clipped by it.
#pragma once

#include "Component.h"

#include <QPointer>
#include <QWidget>

class TControl : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    TControl(TComponent *owner, QWidget *widget);
    ~TControl() override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    virtual void SetBounds(int left, int top, int width, int height);

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order) { tabOrder_ = order; }
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);

    TControl *Parent() const { return parent_; }
    virtual void SetParent(TControl *parent);
    // Where this control's children live.
    virtual QWidget *ClientWidget() const { return widget_; }
    QWidget *Widget() const { return widget_; }

    // Multiplies position and size by m / d, rounding to the nearest pixel.
    virtual void ScaleBy(int m, int d);

protected:
    static int MulDiv(int value, int m, int d);
    // Records the size without touching the widget.
    void StoreSize(int width, int height)
    {
        width_ = width;
        height_ = height;
    }

private:
    QPointer<QWidget> widget_;
    TControl *parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int tabOrder_ = -1;
    bool visible_ = true;
};
