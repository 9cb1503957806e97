// The main window: the cut-out of the speed-test page.
#pragma once

#include "Application.h"
#include "Form.h"
#include "Panel.h"
#include "SkinData.h"
#include "WebBrowser.h"

class TForm1 : public TForm
{
    Q_OBJECT
    Q_PROPERTY(TPanel *Panel1 MEMBER Panel1)
    Q_PROPERTY(TWebBrowser *WebBrowser1 MEMBER WebBrowser1)
    Q_PROPERTY(TSkinData *SkinData1 MEMBER SkinData1)
public:
    explicit TForm1(TComponent *owner) : TForm(owner) {}

    TPanel *Panel1 = nullptr;
    TWebBrowser *WebBrowser1 = nullptr;
    TSkinData *SkinData1 = nullptr;

public slots:
    void FormCreate(TObject *Sender);
};

extern TForm1 *Form1;
