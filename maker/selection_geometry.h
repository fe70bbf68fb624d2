#pragma once
// The selection box's rectangle while it is drawn with the mouse.

#include <optional>

namespace kalmora::maker
{

// A rectangle in twips as the selection box holds it (left, top, width, height).
struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    bool operator==(const TwipsRect &) const = default;
};

// The rectangle spanned by the anchor (where the button went down) and the pointer, whichever of
// the four quadrants the pointer is in. Nothing when the pointer is on the anchor's row or column:
// the box then keeps the rectangle it has.
std::optional<TwipsRect> SelectionBetween(float anchorX, float anchorY, float x, float y);

} // namespace kalmora::maker
