#include "platform/window_stacking.h"

#include <QRegion>
#include <QWidget>
#include <QWindow>

namespace kalmora::platform
{
namespace
{

void Restack(QWidget *window, Qt::WindowFlags set, Qt::WindowFlags clear)
{
    const QRegion mask = window->mask();
    const Qt::WindowFlags flags = (window->windowFlags() & ~clear) | set;
    if (flags != window->windowFlags())
        window->setWindowFlags(flags); // hides the window
    window->show();
    // The mask normally survives on the native window; set it again in case the toolkit had to
    // make a new one.
    if (!mask.isEmpty()) {
        if (QWindow *handle = window->windowHandle())
            handle->setMask(mask);
    }
}

} // namespace

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
