#include "Button.h"

#include <QPushButton>

TButton::TButton(TComponent *owner)
    : TButton(owner, new QPushButton)
{
}

TButton::TButton(TComponent *owner, QPushButton *widget)
    : TControl(owner, widget)
{
    DeclareEvent("OnClick");
    widget->setAutoDefault(false);
    QObject::connect(widget, &QPushButton::clicked, this, &TButton::Click);
}

void TButton::SetCaption(const QString &caption)
{
    caption_ = caption;
    static_cast<QPushButton *>(Widget())->setText(caption);
}

void TButton::Click()
{
    FireEvent("OnClick");
}
