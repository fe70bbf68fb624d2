#pragma once
// Where the viewer's window goes when a project is loaded: its stored place, kept on the screen.

#include <QPoint>
#include <QSize>
#include <cstdint>

namespace kalmora::viewer
{

// The window's left and top edges in twips for the stored position (`vxx`, `vyy`, twips, the whole
// 32-bit range), a window of `windowTwips` and a screen of `screenTwips`. A negative edge goes to 0;
// an edge for which the window would reach past the right (bottom) edge of the screen also goes to
// 0, the screen's left (top) edge, rather than being pulled back to the far edge.
QPoint ViewerWindowPlace(std::int32_t vxx, std::int32_t vyy, QSize windowTwips, QSize screenTwips);

} // namespace kalmora::viewer
