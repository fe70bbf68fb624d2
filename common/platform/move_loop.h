#pragma once
// The window manager's own move loop for a window without a caption bar.
//
// StartSystemMove hands the pointer to the window manager, which moves the window until the button
// is released, and returns at once. The end of the loop shows as a mouse release reaching the window;
// call FinishSystemMove then. Two things need care there:
// - a press released before the window manager took over (a quick click) would leave some window
//   managers moving the window with the button up until the next click: FinishSystemMove cancels a
//   loop that is still running, and does nothing to one that has ended;
// - the toolkit learns the window's new place only after the release, so the place to remember is
//   asked of the window system (WindowPosition).

#include <QPoint>

class QWidget;

namespace kalmora::platform
{

// False when the platform has no such loop (the window then has not moved).
bool StartSystemMove(QWidget *window);

// Ends the loop if the window manager is still running it.
void FinishSystemMove(QWidget *window);

// The window's left and top edges on the screen in pixels as the window system has them now.
QPoint WindowPosition(const QWidget *window);

} // namespace kalmora::platform
