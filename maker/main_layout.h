#pragma once
// The main window's client area: the viewport with a vertical scroll bar at its right and a
// horizontal one below it. All values twips.

#include <QRect>
#include <optional>

namespace kalmora::maker
{

// One place per control; nothing for a control whose size would be negative (a window smaller than
// its scroll bars): that control then keeps its place and the others are still laid out.
struct MainLayout {
    std::optional<QRect> vScroll;
    std::optional<QRect> hScroll;
    std::optional<QRect> base;
};

// `clientWidth` × `clientHeight` is the client area, `vScrollWidth` the vertical bar's width and
// `hScrollHeight` the horizontal bar's height.
MainLayout ComputeMainLayout(int clientWidth, int clientHeight, int vScrollWidth, int hScrollHeight);

} // namespace kalmora::maker
