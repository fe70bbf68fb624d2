#include "platform/window_stacking.h"

#include <QGuiApplication>
#include <QRegion>
#include <QWidget>
#include <QWindow>

#include <array>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace kalmora::platform
{
namespace
{

// Asks for all the atoms at once and then collects the answers: one round trip to the X server
// instead of one per name, which a start-up would otherwise wait for three times.
template <std::size_t N>
std::array<xcb_atom_t, N> Atoms(xcb_connection_t *connection, const std::array<const char *, N> &names)
{
    std::array<xcb_intern_atom_cookie_t, N> cookies {};
    for (std::size_t i = 0; i < N; ++i)
        cookies[i] = xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(names[i])), names[i]);
    std::array<xcb_atom_t, N> atoms {};
    for (std::size_t i = 0; i < N; ++i) {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookies[i], nullptr);
        atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
    }
    return atoms;
}

// Adds two states to a mapped window through the root window, as the window-manager hints
// standard asks of clients (a property the client writes itself would be overwritten).
void AddNetWmStates(QWidget *window, const char *first, const char *second)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection || !window->windowHandle())
        return;
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window->winId());
    const auto atoms = Atoms<3>(connection, { "_NET_WM_STATE", first, second });
    event.type = atoms[0];
    event.data.data32[0] = 1; // add
    event.data.data32[1] = atoms[1];
    event.data.data32[2] = atoms[2];
    event.data.data32[3] = 1; // from a normal application
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_send_event(connection, 0, screen->root,
        XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
        reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
}

void Restack(QWidget *window, Qt::WindowFlags set, Qt::WindowFlags clear)
{
    const QRegion mask = window->mask();
    const Qt::WindowFlags flags = (window->windowFlags() & ~clear) | set;
    if (flags != window->windowFlags())
        window->setWindowFlags(flags); // hides the window
    ShowWithoutTaskbarEntry(window);
    // The mask normally survives on the native window; set it again in case the toolkit had to
    // make a new one.
    if (!mask.isEmpty()) {
        if (QWindow *handle = window->windowHandle())
            handle->setMask(mask);
    }
}

} // namespace

void ShowWithoutTaskbarEntry(QWidget *window)
{
    window->show();
    AddNetWmStates(window, "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER");
}

void SetWindowTopmost(QWidget *window)
{
    Restack(window, Qt::WindowStaysOnTopHint, Qt::WindowStaysOnBottomHint);
    window->raise();
}

void SendWindowToBottom(QWidget *window)
{
    Restack(window, Qt::WindowStaysOnBottomHint, Qt::WindowStaysOnTopHint);
    window->lower();
}

bool IsWindowTopmost(const QWidget *window)
{
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

bool IsWindowAtBottom(const QWidget *window)
{
    return window->windowFlags().testFlag(Qt::WindowStaysOnBottomHint);
}

} // namespace kalmora::platform
