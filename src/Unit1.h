// The main window: the cut-out of the speed-test page under a row of buttons
// that open the maker's pages in the browser. It also shows the news popup, once.
#pragma once

#include "Application.h"
#include "BitBtn.h"
#include "Button.h"
#include "Form.h"
#include "Panel.h"
#include "SkinData.h"
#include "Timer.h"
#include "WebBrowser.h"

class TForm1 : public TForm
{
    Q_OBJECT
    Q_PROPERTY(TPanel *Panel1 MEMBER Panel1)
    Q_PROPERTY(TWebBrowser *WebBrowser1 MEMBER WebBrowser1)
    Q_PROPERTY(TButton *Button1 MEMBER Button1)
    Q_PROPERTY(TSkinData *SkinData1 MEMBER SkinData1)
    Q_PROPERTY(TBitBtn *BitBtn1 MEMBER BitBtn1)
    Q_PROPERTY(TBitBtn *BitBtn2 MEMBER BitBtn2)
    Q_PROPERTY(TBitBtn *BitBtn3 MEMBER BitBtn3)
    Q_PROPERTY(TBitBtn *BitBtn4 MEMBER BitBtn4)
    Q_PROPERTY(TTimer *Timer1 MEMBER Timer1)
    Q_PROPERTY(TTimer *Timer2 MEMBER Timer2)
    Q_PROPERTY(TTimer *Timer3 MEMBER Timer3)
public:
    explicit TForm1(TComponent *owner) : TForm(owner) {}

    TPanel *Panel1 = nullptr;
    TWebBrowser *WebBrowser1 = nullptr;
    TButton *Button1 = nullptr;
    TSkinData *SkinData1 = nullptr;
    TBitBtn *BitBtn1 = nullptr;
    TBitBtn *BitBtn2 = nullptr;
    TBitBtn *BitBtn3 = nullptr;
    TBitBtn *BitBtn4 = nullptr;
    TTimer *Timer1 = nullptr;
    TTimer *Timer2 = nullptr;
    TTimer *Timer3 = nullptr;

public slots:
    void FormCreate(TObject *Sender);
    void Button1Click(TObject *Sender);
    void BitBtn1Click(TObject *Sender);
    void BitBtn2Click(TObject *Sender);
    void BitBtn3Click(TObject *Sender);
    void BitBtn4Click(TObject *Sender);
    void Timer1Timer(TObject *Sender);
    void Timer2Timer(TObject *Sender);
    void Timer3Timer(TObject *Sender);

private:
    void OpenInBrowser(const char *address);
};

extern TForm1 *Form1;
