#pragma once
// Keeping a window on the screens of the desktop. Plain arithmetic over screen rectangles, so that
// any layout of screens can be tested without a display.
//
// All values are twips in the coordinates of the virtual desktop (the primary screen need not start
// at 0, 0; a screen left of it has negative x). Positions are 32-bit; sums are taken in 64 bits so
// that stored positions near the ends of the range cannot wrap.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>
#include <vector>

namespace kalmora::platform
{

// Whether every point of the window at `topLeft` of `size` lies on one of `screens`. A window that
// spans two screens side by side lies on them; one that reaches into a gap between screens of
// different sizes, or off the desktop, does not. An empty window lies on the screens when its
// corner does. False when there are no screens.
bool LiesOnScreens(QPoint topLeft, QSize size, const std::vector<QRect> &screens);

// The rule a program uses on a single screen: the window's position relative to the screen's
// top-left corner, the window's size and the screen's size give the position to use (relative).
using SingleScreenRule = std::function<QPoint(QPoint position, QSize window, QSize screen)>;

// Where a window stored at `topLeft` goes: it stays there when it lies on the screens; otherwise
// `rule` puts it onto `primary` (the rule sees and returns positions relative to the primary
// screen's top-left corner). With one screen at 0, 0 this is exactly `rule`, except that a window
// lying on the screen is never moved.
QPoint KeepOnScreens(
    QPoint topLeft, QSize size, const QRect &primary, const std::vector<QRect> &screens, const SingleScreenRule &rule);

} // namespace kalmora::platform
