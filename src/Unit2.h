// The news popup: a small borderless window with a page from the maker's site
// and a close button.
#pragma once

#include "Application.h"
#include "BitBtn.h"
#include "Form.h"
#include "Timer.h"
#include "WebBrowser.h"

class TForm2 : public TForm
{
    Q_OBJECT
    Q_PROPERTY(TBitBtn *BitBtn1 MEMBER BitBtn1)
    Q_PROPERTY(TWebBrowser *WebBrowser1 MEMBER WebBrowser1)
    Q_PROPERTY(TTimer *Timer1 MEMBER Timer1)
    Q_PROPERTY(TTimer *Timer2 MEMBER Timer2)
public:
    explicit TForm2(TComponent *owner) : TForm(owner) {}

    TBitBtn *BitBtn1 = nullptr;
    TWebBrowser *WebBrowser1 = nullptr;
    TTimer *Timer1 = nullptr;
    TTimer *Timer2 = nullptr;

public slots:
    void BitBtn1Click(TObject *Sender);
    void Timer1Timer(TObject *Sender);
    void Timer2Timer(TObject *Sender);
};

extern TForm2 *Form2;
