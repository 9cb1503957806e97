#include "Desktop.h"

#include "WinApi.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <vector>

namespace {

xcb_connection_t *Connection()
{
    if (!Desktop::IsX11())
        return nullptr;
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t *c, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(c, 0, uint16_t(strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

xcb_window_t RootOf(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// Adds or removes the states that keep a window off the taskbar and the pager.
void SetSkipStates(QWidget *window, bool skip)
{
    xcb_connection_t *c = Connection();
    if (!c || !window->isWindow())
        return;
    const xcb_window_t id = xcb_window_t(window->winId());
    const xcb_atom_t netWmState = Atom(c, "_NET_WM_STATE");
    const xcb_atom_t states[] = {Atom(c, "_NET_WM_STATE_SKIP_TASKBAR"), Atom(c, "_NET_WM_STATE_SKIP_PAGER")};

    if (window->isVisible() && !window->testAttribute(Qt::WA_WState_Hidden) && window->windowHandle()
        && window->windowHandle()->isExposed()) {
        // A mapped window: ask the window manager.
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = id;
        event.type = netWmState;
        event.data.data32[0] = skip ? 1 : 0;
        event.data.data32[1] = states[0];
        event.data.data32[2] = states[1];
        event.data.data32[3] = 1;
        xcb_send_event(c, 0, RootOf(c),
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&event));
    }
    // The property itself, which the toolkit merges into the states it sets when it maps the window.
    std::vector<xcb_atom_t> atoms;
    xcb_get_property_reply_t *reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, id, netWmState, XCB_ATOM_ATOM, 0, 1024), nullptr);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto *data = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
        atoms.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    free(reply);
    for (xcb_atom_t state : states) {
        std::erase(atoms, state);
        if (skip)
            atoms.push_back(state);
    }
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, netWmState, XCB_ATOM_ATOM, 32, uint32_t(atoms.size()),
                        atoms.data());
    xcb_flush(c);
}

// Qt never leaves a window title empty; where ours is, make it so.
void ClearNativeTitle(QWidget *window)
{
    xcb_connection_t *c = Connection();
    if (!c || !window->isWindow() || !window->windowTitle().isEmpty() || !window->testAttribute(Qt::WA_WState_Created))
        return;
    const xcb_window_t id = xcb_window_t(window->winId());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, Atom(c, "_NET_WM_NAME"), Atom(c, "UTF8_STRING"), 8, 0, "");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, "");
    xcb_flush(c);
}

} // namespace

bool Desktop::IsX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

TOwnerWindow::TOwnerWindow()
{
    qApp->installEventFilter(this);
}

TOwnerWindow::~TOwnerWindow()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool TOwnerWindow::ToolWindow() const
{
    return (exStyle_ & WS_EX_TOOLWINDOW) != 0;
}

long TOwnerWindow::SetExStyle(long style)
{
    const long previous = exStyle_;
    exStyle_ = style;
    if (((previous ^ style) & WS_EX_TOOLWINDOW) != 0) {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->testAttribute(Qt::WA_WState_Created))
                SetSkipStates(window, ToolWindow());
    }
    return previous;
}

bool TOwnerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowTitleChange) {
        if (watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->isWindow()) {
                if (event->type() == QEvent::Show && ToolWindow())
                    SetSkipStates(widget, true);
                ClearNativeTitle(widget);
            }
        }
    }
    return false;
}
