#include "SkinFrame.h"

#include "Skin.h"
#include "SkinStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace {
class CaptionButton : public QAbstractButton
{
public:
    CaptionButton(QWidget *parent, const TSkin &skin) : QAbstractButton(parent), skin_(skin)
    {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
        setToolTip(QStringLiteral("关闭"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        if (isDown())
            p.fillRect(rect(), skin_.captionButtonPressed);
        else if (underMouse())
            p.fillRect(rect(), skin_.captionButtonHover);
        const QImage &cross = skin_.closePicture;
        p.drawImage(QPoint((width() - cross.width()) / 2, (height() - cross.height()) / 2), cross);
    }

private:
    const TSkin &skin_;
};
} // namespace

TSkinFrame::TSkinFrame(QWidget *window, const TSkin &skin, bool skinMenu)
    : QObject(window)
    , window_(window)
    , skin_(skin)
    , close_(new CaptionButton(window, skin))
    , skinMenu_(skinMenu)
{
    window->setContentsMargins(skin.frame);
    window->installEventFilter(this);
    connect(close_, &QAbstractButton::clicked, window, &QWidget::close);
    auto *altSpace = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), window);
    altSpace->setContext(Qt::WindowShortcut);
    connect(altSpace, &QShortcut::activated, this, &TSkinFrame::ShowSystemMenu);
    Layout();
}

QRect TSkinFrame::CaptionRect() const
{
    return QRect(0, 0, window_->width(), skin_.frame.top());
}

QRect TSkinFrame::IconRect() const
{
    const int size = 16;
    return QRect(skin_.frame.left() + 4, (skin_.frame.top() - size) / 2, size, size);
}

void TSkinFrame::Layout()
{
    const QSize b = skin_.captionButton;
    close_->setGeometry(window_->width() - skin_.frame.right() - b.width(), (skin_.frame.top() - b.height()) / 2, b.width(),
                        b.height());
    close_->raise();
}

void TSkinFrame::Paint()
{
    QPainter p(window_);
    const bool active = window_->isActiveWindow();
    const TSkin::Gradient &g = active ? skin_.active : skin_.inactive;
    const QRect all = window_->rect();
    // Borders and caption in one piece, with a darker outer edge.
    QLinearGradient caption(0, 0, 0, skin_.frame.top());
    caption.setColorAt(0, g.top);
    caption.setColorAt(1, g.bottom);
    p.fillRect(CaptionRect(), caption);
    const QMargins &m = skin_.frame;
    p.fillRect(QRect(0, m.top(), m.left(), all.height() - m.top()), g.bottom);
    p.fillRect(QRect(all.width() - m.right(), m.top(), m.right(), all.height() - m.top()), g.bottom);
    p.fillRect(QRect(0, all.height() - m.bottom(), all.width(), m.bottom()), g.bottom);
    p.setPen(skin_.edge);
    p.drawRect(all.adjusted(0, 0, -1, -1));

    const QIcon windowIcon = window_->windowIcon();
    const QRect icon = IconRect();
    if (!windowIcon.isNull())
        windowIcon.paint(&p, icon);
    else
        p.drawImage(icon, skin_.iconPicture);

    p.setFont(skin_.captionFont);
    p.setPen(active ? skin_.captionText : skin_.inactiveCaptionText);
    const QRect text(icon.right() + 7, 0, close_->x() - icon.right() - 12, m.top());
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
               p.fontMetrics().elidedText(window_->windowTitle(), Qt::ElideRight, text.width()));
}

void TSkinFrame::ShowSystemMenu()
{
    if (menu_)
        return;
    QMenu menu(window_);
    if (skinMenu_)
        menu.setStyleSheet(SkinStyle::MenuSheet(skin_));
    QAction *move = menu.addAction(QStringLiteral("移动(&M)"));
    QAction *close = menu.addAction(QStringLiteral("关闭(&C)\tAlt+F4"));
    QFont bold = menu.font();
    bold.setBold(true);
    close->setFont(bold);
    menu_ = &menu;
    QAction *chosen = menu.exec(window_->mapToGlobal(QPoint(IconRect().left(), skin_.frame.top())));
    menu_ = nullptr;
    if (chosen == move)
        StartKeyboardMove();
    else if (chosen == close)
        window_->close();
}

void TSkinFrame::StartKeyboardMove()
{
    keyboardMove_ = true;
    moveStart_ = window_->pos();
    dragOffset_ = QPoint(window_->width() / 2, skin_.frame.top() / 2);
    QCursor::setPos(window_->mapToGlobal(dragOffset_));
    window_->grabMouse(Qt::SizeAllCursor);
    window_->grabKeyboard();
}

void TSkinFrame::EndMove(bool keep)
{
    if (!keep)
        window_->move(moveStart_);
    keyboardMove_ = false;
    window_->releaseMouse();
    window_->releaseKeyboard();
}

bool TSkinFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        Paint();
        return false;
    case QEvent::Resize:
        Layout();
        return false;
    case QEvent::ActivationChange:
    case QEvent::WindowTitleChange:
        window_->update(CaptionRect());
        return false;
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (keyboardMove_) {
            EndMove(true);
            return true;
        }
        if (mouse->button() == Qt::LeftButton && IconRect().adjusted(-3, -3, 3, 3).contains(mouse->position().toPoint())) {
            ShowSystemMenu();
            return true;
        }
        if (mouse->button() == Qt::LeftButton && CaptionRect().contains(mouse->position().toPoint())) {
            dragging_ = true;
            dragOffset_ = mouse->globalPosition().toPoint() - window_->pos();
            return true;
        }
        if (mouse->button() == Qt::RightButton && CaptionRect().contains(mouse->position().toPoint())) {
            ShowSystemMenu();
            return true;
        }
        return false;
    }
    case QEvent::MouseMove:
        if (dragging_ || keyboardMove_) {
            window_->move(static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - dragOffset_);
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease:
        if (dragging_) {
            dragging_ = false;
            return true;
        }
        return false;
    case QEvent::KeyPress:
        if (keyboardMove_) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            const QPoint step = key == Qt::Key_Left ? QPoint(-10, 0)
                : key == Qt::Key_Right              ? QPoint(10, 0)
                : key == Qt::Key_Up                 ? QPoint(0, -10)
                : key == Qt::Key_Down               ? QPoint(0, 10)
                                                    : QPoint();
            if (!step.isNull()) {
                window_->move(window_->pos() + step);
                QCursor::setPos(window_->mapToGlobal(dragOffset_));
            } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                EndMove(key != Qt::Key_Escape);
            }
            return true;
        }
        return false;
    default:
        return false;
    }
}
