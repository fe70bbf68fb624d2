#include "selection_geometry.h"

namespace kalmora::maker
{

std::optional<TwipsRect> SelectionBetween(float anchorX, float anchorY, float x, float y)
{
    if (x == anchorX || y == anchorY)
        return std::nullopt;
    const float left = x < anchorX ? x : anchorX;
    const float top = y < anchorY ? y : anchorY;
    const float width = x < anchorX ? anchorX - x : x - anchorX;
    const float height = y < anchorY ? anchorY - y : y - anchorY;
    return TwipsRect { left, top, width, height };
}

} // namespace kalmora::maker
