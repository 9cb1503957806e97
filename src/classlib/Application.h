// The application object: the program's title, its windows and its message
// loop, and the default display of errors that handlers raise.
#pragma once

#include "Component.h"
#include "Form.h"

class TOwnerWindow;

class TApplication : public TComponent
{
    Q_OBJECT
public:
    TApplication();
    ~TApplication() override;

    // Prepares the interface thread for the web views.
    void Initialize();

    const String &Title() const { return title_; }
    void SetTitle(const String &title);

    // The first form created through CreateForm.
    TForm *MainForm() const { return mainForm_; }

    // Creates a form of class T, owned by the application, and sets `reference`.
    template <class T>
    void CreateForm(T *&reference)
    {
        T *form = TForm::Create<T>(this);
        reference = form;
        if (!mainForm_)
            mainForm_ = form;
    }

    // Shows the main form and dispatches messages until Terminate.
    void Run();
    // Dispatches waiting messages, including any posted meanwhile, then returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The hidden window that owns every window of the program.
    TOwnerWindow *Handle() const { return owner_; }

    // Call from inside a catch block: shows the error in flight, unless it is EAbort.
    void HandleException(TObject *sender);
    // The default error display: a modal box with a stop icon, an OK button, the
    // title as its caption and the message, with a full stop added when the
    // message's last character sorts after one.
    void ShowException(const Exception &error);
    static String DisplayText(const String &message);

private:
    String title_;
    TForm *mainForm_ = nullptr;
    TOwnerWindow *owner_;
    bool terminated_ = false;
};

extern TApplication *Application;

// The program's entry: brings up the class library, runs `body` (which creates
// the forms and runs the loop) and returns the exit code. An error that escapes
// `body` is shown in an "Application Error" box and gives exit code 1.
int RunProgram(char *argv0, void (*body)());

// The box for an error nothing else caught.
void ShowApplicationError(const String &message);
