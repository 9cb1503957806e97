#include "Application.h"

#include "Desktop.h"
#include "Graphics.h"
#include "SkinData.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QQuickWindow>

#include <unistd.h>

TApplication *Application = nullptr;

namespace {
// Shows a modal box with a stop icon and an OK button; timers keep firing while it is open.
void StopBox(const String &caption, const String &text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromStdU16String(caption), QString::fromStdU16String(text),
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    QAbstractButton *ok = box.button(QMessageBox::Ok);
    ok->setText(QStringLiteral("确定"));
    ok->setIcon(QIcon());
    if (const TSkinData *skin = TSkinData::Current())
        skin->ApplyTo(&box);
    box.exec();
}
} // namespace

TApplication::TApplication()
    : TComponent(nullptr)
    , owner_(new TOwnerWindow)
{
    owner_->setParent(this);
    Application = this;
}

TApplication::~TApplication()
{
    DestroyComponents();
    mainForm_ = nullptr;
    if (Application == this)
        Application = nullptr;
}

void TApplication::Initialize()
{
    // The web views, set up for a small footprint. Pages are drawn in software
    // (no graphics driver is loaded at all), in the engine's low-memory mode.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QByteArrayList flags{"--disable-gpu", "--enable-low-end-device-mode"};
    if (geteuid() == 0) {
        // The web engine will not start its sandbox for root. Without a sandbox a
        // separate page process protects nothing, so the pages run in this one.
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        flags << "--single-process";
    } else {
        // Sandboxed page processes, one for both views.
        flags << "--renderer-process-limit=1";
    }
    // Whatever the web engine's own environment asks for comes after ours, and wins.
    const QByteArray given = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!given.isEmpty())
        flags << given;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.join(' '));
}

void TApplication::SetTitle(const String &title)
{
    title_ = title;
}

void TApplication::Run()
{
    if (mainForm_ && !terminated_) {
        mainForm_->Show();
        while (!terminated_)
            QApplication::exec();
    }
}

void TApplication::ProcessMessages()
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    QCoreApplication::sendPostedEvents();
    // Bounded, so that a source that always has work cannot hold the caller for ever.
    for (int round = 0; round < 1000 && dispatcher && dispatcher->processEvents(QEventLoop::AllEvents); ++round)
        QCoreApplication::sendPostedEvents();
}

void TApplication::Terminate()
{
    terminated_ = true;
    QCoreApplication::quit();
}

void TApplication::HandleException(TObject *)
{
    try {
        throw;
    } catch (const EAbort &) {
    } catch (const Exception &error) {
        ShowException(error);
    } catch (const std::exception &error) {
        ShowException(Exception(QString::fromLocal8Bit(error.what()).toStdU16String()));
    } catch (...) {
        ShowException(Exception(u"Unknown error"));
    }
}

String TApplication::DisplayText(const String &message)
{
    if (!message.empty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void TApplication::ShowException(const Exception &error)
{
    StopBox(title_, DisplayText(error.Message()));
}

void ShowApplicationError(const String &message)
{
    StopBox(u"Application Error", message);
}

int RunProgram(char *argv0, void (*body)())
{
    // The program's windows need an X11 display, so a Wayland session runs them through XWayland.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // Everything is drawn in software (see Initialize), so the X11 connection
    // needs no OpenGL: not loading a graphics driver saves some 35 MB.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    int argc = 1;
    char *argv[] = {argv0, nullptr};
    QApplication toolkit(argc, argv);
    InstallFontSubstitutes();
    // The program's icon, MAINICON, for every window, in whichever sizes it comes in.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        const QString file = QStringLiteral(":/icons/MAINICON-%1.png").arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);

    int code = 0;
    {
        TApplication application;
        try {
            body();
        } catch (const Exception &error) {
            ShowApplicationError(error.Message());
            code = 1;
        } catch (const std::exception &error) {
            ShowApplicationError(QString::fromLocal8Bit(error.what()).toStdU16String());
            code = 1;
        }
    }
    return code;
}
