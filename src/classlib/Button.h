// The push button: a caption and an OnClick handler.
#pragma once

#include "Control.h"

class QPushButton;

class TButton : public TControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
public:
    explicit TButton(TComponent *owner);

    QString Caption() const { return caption_; }
    virtual void SetCaption(const QString &caption);
    // Acts as a click by the user.
    void Click();

protected:
    TButton(TComponent *owner, QPushButton *widget);

private:
    QString caption_;
};
