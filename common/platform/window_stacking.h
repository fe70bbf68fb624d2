#pragma once
// A top-level window's place in the stacking order. On X11 window managers "always in front" is the
// above state and "at the bottom" the below state (stay-on-top and stay-on-bottom hints).
//
// Changing these hints at run time makes the toolkit hide the window; both functions show it again
// (without taking the focus when the window asks so) and put its mask back, so a shaped window keeps
// its outline. Neither moves nor sizes the window.

class QWidget;

namespace kalmora::platform
{

// Keeps the window above all ordinary windows and raises it to the top of them.
void SetWindowTopmost(QWidget *window);

// Drops the always-in-front state and puts the window below all ordinary windows.
void SendWindowToBottom(QWidget *window);

// Shows the window and asks the window manager to leave it out of taskbars and pagers (on X11 the
// skip-taskbar and skip-pager states; a tool window already stays out of the window switcher).
// The window manager drops these states when a window is hidden, so this is how such a window is
// shown every time.
void ShowWithoutTaskbarEntry(QWidget *window);

// Whether the window is kept in front of, or below, ordinary windows.
bool IsWindowTopmost(const QWidget *window);
bool IsWindowAtBottom(const QWidget *window);

} // namespace kalmora::platform
