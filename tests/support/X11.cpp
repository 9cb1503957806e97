#include "X11.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace X11 {
namespace {

xcb_connection_t *Connection()
{
    static xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    return connection;
}

xcb_window_t Root()
{
    return xcb_setup_roots_iterator(xcb_get_setup(Connection())).data->root;
}

xcb_atom_t Atom(const char *name)
{
    auto *reply = xcb_intern_atom_reply(Connection(), xcb_intern_atom(Connection(), 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : 0;
    free(reply);
    return atom;
}

QString AtomName(xcb_atom_t atom)
{
    auto *reply = xcb_get_atom_name_reply(Connection(), xcb_get_atom_name(Connection(), atom), nullptr);
    if (!reply)
        return {};
    const QString name = QString::fromLatin1(xcb_get_atom_name_name(reply), xcb_get_atom_name_name_length(reply));
    free(reply);
    return name;
}

QByteArray Property(Window window, xcb_atom_t property, xcb_atom_t type, bool *present = nullptr)
{
    auto *reply = xcb_get_property_reply(Connection(), xcb_get_property(Connection(), 0, window, property, type, 0, 65536), nullptr);
    QByteArray data;
    if (present)
        *present = reply && reply->type != XCB_ATOM_NONE;
    if (reply) {
        data = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
        free(reply);
    }
    return data;
}

QList<std::uint32_t> Cardinals(Window window, const char *property, xcb_atom_t type)
{
    const QByteArray data = Property(window, Atom(property), type);
    QList<std::uint32_t> values(data.size() / 4);
    memcpy(values.data(), data.constData(), size_t(values.size()) * 4);
    return values;
}

} // namespace

QList<Window> ClientList()
{
    return Cardinals(Root(), "_NET_CLIENT_LIST", XCB_ATOM_WINDOW);
}

QList<Window> WindowsOf(qint64 pid)
{
    QList<Window> windows;
    for (Window window : ClientList()) {
        const auto pids = Cardinals(window, "_NET_WM_PID", XCB_ATOM_CARDINAL);
        if (!pids.isEmpty() && pids.first() == pid)
            windows << window;
    }
    return windows;
}

QString Title(Window window, bool *present)
{
    return QString::fromUtf8(Property(window, Atom("_NET_WM_NAME"), Atom("UTF8_STRING"), present));
}

QStringList States(Window window)
{
    QStringList names;
    for (std::uint32_t atom : Cardinals(window, "_NET_WM_STATE", XCB_ATOM_ATOM))
        names << AtomName(atom);
    return names;
}

QList<int> FrameExtents(Window window)
{
    QList<int> extents;
    for (std::uint32_t value : Cardinals(window, "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL))
        extents << int(value);
    return extents;
}

QRect Geometry(Window window)
{
    auto *geometry = xcb_get_geometry_reply(Connection(), xcb_get_geometry(Connection(), window), nullptr);
    auto *origin = xcb_translate_coordinates_reply(Connection(), xcb_translate_coordinates(Connection(), window, Root(), 0, 0), nullptr);
    QRect rect;
    if (geometry && origin)
        rect = QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
    free(geometry);
    free(origin);
    return rect;
}

void RequestSize(Window window, int width, int height)
{
    const uint32_t values[] = {uint32_t(width), uint32_t(height)};
    xcb_configure_window(Connection(), window, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values);
    xcb_flush(Connection());
}

void Close(Window window)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom("WM_PROTOCOLS");
    event.data.data32[0] = Atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(Connection(), 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    xcb_flush(Connection());
}

bool Viewable(Window window)
{
    auto *reply = xcb_get_window_attributes_reply(Connection(), xcb_get_window_attributes(Connection(), window), nullptr);
    const bool viewable = reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    free(reply);
    return viewable;
}

Window ActiveWindow()
{
    const auto windows = Cardinals(Root(), "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW);
    return windows.isEmpty() ? 0 : windows.first();
}

bool WindowManagerRunning()
{
    return !Cardinals(Root(), "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW).isEmpty();
}

void Click(QPoint where)
{
    QProcess::execute(QStringLiteral("xdotool"),
                      {"mousemove", "--sync", QString::number(where.x()), QString::number(where.y()), "click", "1"});
}

QImage GrabScreen()
{
    const xcb_setup_t *setup = xcb_get_setup(Connection());
    const xcb_screen_t *screen = xcb_setup_roots_iterator(setup).data;
    auto *reply = xcb_get_image_reply(Connection(),
                                      xcb_get_image(Connection(), XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0,
                                                    screen->width_in_pixels, screen->height_in_pixels, ~0u),
                                      nullptr);
    if (!reply)
        return {};
    const QImage image(xcb_get_image_data(reply), screen->width_in_pixels, screen->height_in_pixels,
                       QImage::Format_RGB32);
    QImage copy = image.copy();
    free(reply);
    return copy;
}

} // namespace X11
