#include "Form.h"

#include "Application.h"
#include "Layout.h"
#include "Skin.h"
#include "SkinData.h"
#include "SkinFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

#include <algorithm>
#include <map>
#include <vector>

namespace {
class FormWindow : public QWidget
{
public:
    explicit FormWindow(TForm *form) : form_(form) {}

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (Application && Application->MainForm() == form_)
            Application->Terminate();
        event->accept();
    }
    bool event(QEvent *event) override
    {
        const bool handled = QWidget::event(event);
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
            form_->HoldSize();
            break;
        default:
            break;
        }
        return handled;
    }

private:
    TForm *form_;
};
} // namespace

TForm::TForm(TComponent *owner)
    : TControl(owner, new FormWindow(this))
    , client_(new QWidget(Widget()))
    , font_(new TFont(this))
    , constraints_(new TSizeConstraints(this))
{
    DeclareEvent("OnCreate");
    TControl::SetVisible(false);
    Widget()->setAttribute(Qt::WA_QuitOnClose, false);
    Widget()->setAutoFillBackground(true);
    ApplyWindowFlags();
    SetColor(color_);
}

TForm::~TForm()
{
    // Components go first: their widgets live inside the window.
    DestroyComponents();
}

void TForm::ReadLayout()
{
    try {
        SetLoading(true);
        ReadComponentRes(this);
        SetLoading(false);
        Loaded();
    } catch (...) {
        delete this;
        throw;
    }
    FireEvent("OnCreate");
}

void TForm::SetCaption(const QString &caption)
{
    caption_ = caption;
    Widget()->setWindowTitle(caption);
}

void TForm::SetClientWidth(int width)
{
    clientWidth_ = width;
    ApplyClientSize();
}

void TForm::SetClientHeight(int height)
{
    clientHeight_ = height;
    ApplyClientSize();
}

void TForm::ApplyClientSize()
{
    const QMargins m = Widget()->contentsMargins();
    Widget()->resize(clientWidth_ + m.left() + m.right(), clientHeight_ + m.top() + m.bottom());
    client_->setGeometry(Widget()->contentsRect());
    StoreOuterSize();
}

void TForm::StoreOuterSize()
{
    const QSize outer = Widget()->frameGeometry().size();
    StoreSize(outer.width(), outer.height());
}

void TForm::SetColor(Graphics::TColor color)
{
    color_ = color;
    QPalette palette = Widget()->palette();
    palette.setColor(QPalette::Window, Graphics::ColorToRGB(color));
    Widget()->setPalette(palette);
}

void TForm::SetBorderStyle(TFormBorderStyle style)
{
    borderStyle_ = style;
    ApplyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons icons)
{
    borderIcons_ = icons;
    ApplyWindowFlags();
}

void TForm::ApplyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window;
    if (borderStyle_ == bsNone || frame_) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (borderIcons_.testFlag(biSystemMenu))
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (borderIcons_.testFlag(biMinimize))
            flags |= Qt::WindowMinimizeButtonHint;
        if (borderIcons_.testFlag(biMaximize))
            flags |= Qt::WindowMaximizeButtonHint;
    }
    Widget()->setWindowFlags(flags);
}

void TForm::ApplyFont()
{
    Widget()->setFont(font_->ToQFont(pixelsPerInch_));
    QPalette palette = Widget()->palette();
    palette.setColor(QPalette::WindowText, font_->TextColor());
    palette.setColor(QPalette::ButtonText, font_->TextColor());
    Widget()->setPalette(palette);
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    TControl::SetBounds(left, top, width, height);
    Widget()->move(left, top);
}

void TForm::SetVisible(bool visible)
{
    TControl::SetVisible(visible);
    if (!Loading())
        Widget()->setVisible(visible);
}

void TForm::ScaleBy(int m, int d)
{
    clientWidth_ = MulDiv(clientWidth_, m, d);
    clientHeight_ = MulDiv(clientHeight_, m, d);
    ApplyClientSize();
    for (TControl *control : findChildren<TControl *>())
        control->ScaleBy(m, d);
}

void TForm::Loaded()
{
    ApplyFont();
    // A layout drawn for another text height is scaled to the one in force.
    const int textHeight = TFont::TextHeight(Widget()->font());
    if (textHeight_ > 0 && textHeight != textHeight_)
        ScaleBy(textHeight, textHeight_);

    // Tab order among siblings that take the focus.
    std::map<TControl *, std::vector<TControl *>> siblings;
    for (TControl *control : findChildren<TControl *>())
        if (control->TabOrder() >= 0 && (control->Widget()->focusPolicy() & Qt::TabFocus))
            siblings[control->Parent()].push_back(control);
    for (auto &[parent, controls] : siblings) {
        std::stable_sort(controls.begin(), controls.end(),
                         [](TControl *a, TControl *b) { return a->TabOrder() < b->TabOrder(); });
        for (size_t i = 1; i < controls.size(); ++i)
            QWidget::setTabOrder(controls[i - 1]->Widget(), controls[i]->Widget());
    }

    for (TComponent *component : findChildren<TComponent *>()) {
        component->SetLoading(false);
        component->Loaded();
    }
    if (const TSkinData *skin = TSkinData::Current())
        skin->ApplyTo(this);
    HoldSize();
    if (Visible())
        Widget()->show();
}

void TForm::ApplySkin(const TSkin *skin, bool skinSystemMenu)
{
    skin_ = skin;
    QPalette palette = Widget()->palette();
    if (color_ == Graphics::clBtnFace)
        palette.setColor(QPalette::Window, skin->windowFace);
    palette.setColor(QPalette::WindowText, skin->windowText);
    Widget()->setPalette(palette);
    if (borderStyle_ != bsNone && !frame_) {
        frame_ = new TSkinFrame(Widget(), *skin, skinSystemMenu);
        ApplyWindowFlags();
    }
    ApplyClientSize();
}

QMargins TForm::FrameMargins() const
{
    const QRect inner = Widget()->geometry();
    const QRect outer = Widget()->frameGeometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

void TForm::HoldSize()
{
    if (Loading() || holding_)
        return;
    holding_ = true;
    // The constraints hold the outer size, window manager's frame included.
    const QMargins m = FrameMargins();
    const int frameWidth = m.left() + m.right();
    const int frameHeight = m.top() + m.bottom();
    const TSizeConstraints &c = *constraints_;
    Widget()->setMinimumSize(c.minWidth ? c.minWidth - frameWidth : 0, c.minHeight ? c.minHeight - frameHeight : 0);
    Widget()->setMaximumSize(c.maxWidth ? c.maxWidth - frameWidth : QWIDGETSIZE_MAX,
                             c.maxHeight ? c.maxHeight - frameHeight : QWIDGETSIZE_MAX);
    const QRect client = Widget()->contentsRect();
    client_->setGeometry(client);
    clientWidth_ = client.width();
    clientHeight_ = client.height();
    StoreOuterSize();
    holding_ = false;
}

QPoint TForm::MoveToMonitor(const QRect &window, const QRect &from, const QRect &to)
{
    QPoint place = to.topLeft() + (window.topLeft() - from.topLeft());
    if (place.x() + window.width() > to.x() + to.width())
        place.setX(to.x() + to.width() - window.width());
    if (place.y() + window.height() > to.y() + to.height())
        place.setY(to.y() + to.height() - window.height());
    return place;
}

void TForm::Show()
{
    // A window that comes up goes to the monitor of the active window.
    const QWidget *active = QApplication::activeWindow();
    if (active && active != Widget() && active->screen()) {
        const QRect frame(Widget()->pos(), QSize(Width(), Height()));
        const QScreen *nearest = nullptr;
        qint64 best = -1;
        for (const QScreen *screen : QGuiApplication::screens()) {
            const QRect overlap = screen->geometry().intersected(frame);
            const qint64 area = qint64(overlap.width()) * overlap.height();
            if (area > best) {
                best = area;
                nearest = screen;
            }
        }
        if (nearest && nearest != active->screen()) {
            const QPoint place = MoveToMonitor(frame, nearest->geometry(), active->screen()->geometry());
            SetBounds(place.x(), place.y(), Width(), Height());
        }
    }
    SetVisible(true);
    BringToFront();
}

void TForm::Hide()
{
    SetVisible(false);
}

void TForm::Close()
{
    Widget()->close();
}

void TForm::BringToFront()
{
    Widget()->raise();
    Widget()->activateWindow();
}
