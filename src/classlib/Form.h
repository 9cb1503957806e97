// The form: a top-level window whose components, properties and handler
// bindings come from a layout compiled into the program (see Layout.h).
#pragma once

#include "Control.h"
#include "Graphics.h"

#include <QMargins>

class TSizeConstraints : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int MinWidth MEMBER minWidth)
    Q_PROPERTY(int MaxWidth MEMBER maxWidth)
    Q_PROPERTY(int MinHeight MEMBER minHeight)
    Q_PROPERTY(int MaxHeight MEMBER maxHeight)
public:
    using QObject::QObject;
    int minWidth = 0, maxWidth = 0, minHeight = 0, maxHeight = 0;
};

class TForm : public TControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
    Q_PROPERTY(Graphics::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TFont *Font READ Font)
    Q_PROPERTY(TSizeConstraints *Constraints READ Constraints)
    Q_PROPERTY(TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(TBorderIcons BorderIcons READ BorderIcons WRITE SetBorderIcons)
    Q_PROPERTY(bool AutoScroll MEMBER autoScroll_)
    Q_PROPERTY(int PixelsPerInch MEMBER pixelsPerInch_)
    Q_PROPERTY(int TextHeight MEMBER textHeight_)
public:
    enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
    Q_ENUM(TFormBorderStyle)
    enum TBorderIcon { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
    Q_DECLARE_FLAGS(TBorderIcons, TBorderIcon)
    Q_FLAG(TBorderIcons)

    explicit TForm(TComponent *owner);
    ~TForm() override;

    // Makes a form of class T, reads its layout (named after the class) and
    // runs its OnCreate handler. A layout that cannot be read raises EReadError
    // (or the error of the component that failed) and leaves no form behind;
    // an error inside OnCreate goes to the default error display instead.
    template <class T>
    static T *Create(TComponent *owner)
    {
        T *form = new T(owner);
        form->ReadLayout();
        return form;
    }

    QString Caption() const { return caption_; }
    void SetCaption(const QString &caption);
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    Graphics::TColor Color() const { return color_; }
    void SetColor(Graphics::TColor color);
    TFont *Font() const { return font_; }
    TSizeConstraints *Constraints() const { return constraints_; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    int DesignTextHeight() const { return textHeight_; }

    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;
    QWidget *ClientWidget() const override { return client_; }
    void ScaleBy(int m, int d) override;

    // The window as system calls take it.
    void *Handle() { return this; }

    // Shows the window, on the monitor of the active window, and activates it.
    void Show();
    void Hide();
    // Closing the main form ends the program; closing any other hides it.
    void Close();
    // Raises the window to the top and gives it the activation.
    void BringToFront();

    void Loaded() override;

    // Where a window keeps its offset from the top-left corner of monitor `from`
    // on monitor `to`, pulled left or up where it would leave `to`.
    static QPoint MoveToMonitor(const QRect &window, const QRect &from, const QRect &to);

    // Lets the skin draw the window: its face, and when it has a border, its
    // frame instead of the window manager's.
    void ApplySkin(const struct TSkin *skin, bool skinSystemMenu);
    class TSkinFrame *SkinFrame() const { return frame_; }

    // The window's border as the window manager draws it, once known.
    QMargins FrameMargins() const;
    // Called by the window whenever its size or frame may have changed.
    void HoldSize();

private:
    void ReadLayout();
    void ApplyWindowFlags();
    void ApplyClientSize();
    void ApplyFont();
    // Width and Height of a form are its outer size, frame included.
    void StoreOuterSize();

    QWidget *client_;
    QString caption_;
    int clientWidth_ = 0, clientHeight_ = 0;
    Graphics::TColor color_ = Graphics::clBtnFace;
    TFont *font_;
    TSizeConstraints *constraints_;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = TBorderIcons(biSystemMenu | biMinimize | biMaximize);
    bool autoScroll_ = true;
    int pixelsPerInch_ = 96;
    int textHeight_ = 13;
    bool holding_ = false;
    const struct TSkin *skin_ = nullptr;
    class TSkinFrame *frame_ = nullptr;
};
