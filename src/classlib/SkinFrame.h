// The frame a skin draws around a top-level window in place of the window
// manager's: borders, a caption bar with the window's icon and caption, a close
// button, and a system menu (from the icon, or Alt+Space) offering Move and
// Close. Dragging the caption moves the window; nothing resizes it.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

struct TSkin;
class QMenu;
class QWidget;
class QAbstractButton;

class TSkinFrame : public QObject
{
    Q_OBJECT
public:
    // Takes over `window`'s frame. `skinMenu` says whether the system menu wears the skin.
    TSkinFrame(QWidget *window, const TSkin &skin, bool skinMenu);

    QRect CaptionRect() const;
    QRect IconRect() const;
    QAbstractButton *CloseButton() const { return close_; }
    // Opens the system menu below the icon; returns the menu while it is open.
    void ShowSystemMenu();
    QMenu *SystemMenu() const { return menu_; }
    // Moves the window with the mouse or the arrow keys until a click or Enter (Esc goes back).
    void StartKeyboardMove();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Paint();
    void Layout();
    void EndMove(bool keep);

    QWidget *window_;
    const TSkin &skin_;
    QAbstractButton *close_;
    QMenu *menu_ = nullptr;
    bool skinMenu_;
    bool dragging_ = false;
    bool keyboardMove_ = false;
    QPoint dragOffset_;
    QPoint moveStart_;
};
