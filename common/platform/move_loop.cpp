#include "platform/move_loop.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace kalmora::platform
{
namespace
{

xcb_connection_t *X11Connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t RootWindow(xcb_connection_t *connection)
{
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    return screen ? screen->root : 0;
}

// The _NET_WM_MOVERESIZE direction that cancels a running move or resize.
constexpr std::uint32_t kMoveResizeCancel = 11;

} // namespace

bool StartSystemMove(QWidget *window)
{
    QWindow *handle = window->windowHandle();
    return handle && handle->startSystemMove();
}

void FinishSystemMove(QWidget *window)
{
    xcb_connection_t *connection = X11Connection();
    if (!connection || !window->windowHandle())
        return;
    static const char name[] = "_NET_WM_MOVERESIZE";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name), nullptr);
    if (!atom)
        return;
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window->winId());
    event.type = atom->atom;
    event.data.data32[2] = kMoveResizeCancel;
    event.data.data32[3] = 1; // left button
    event.data.data32[4] = 1; // from a normal application
    std::free(atom);
    xcb_send_event(connection, 0, RootWindow(connection),
        XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
        reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
}

QPoint WindowPosition(const QWidget *window)
{
    xcb_connection_t *connection = X11Connection();
    if (connection && window->windowHandle() && window->testAttribute(Qt::WA_WState_Created)) {
        xcb_translate_coordinates_reply_t *reply = xcb_translate_coordinates_reply(connection,
            xcb_translate_coordinates(connection, xcb_window_t(window->winId()), RootWindow(connection), 0, 0),
            nullptr);
        if (reply) {
            const QPoint position(reply->dst_x, reply->dst_y);
            std::free(reply);
            // The toolkit counts in device-independent pixels.
            return position / window->devicePixelRatioF();
        }
    }
    return window->geometry().topLeft();
}

} // namespace kalmora::platform
