#pragma once
// The state the maker's windows share for a whole run. Everything the user sees is held by the
// controls themselves (selected list items, swatch colours, scroll values); this holds only what
// the selection handling, the image loading and the preview composition pass between them.

#include "platform/colour.h"

#include <QString>
#include <array>
#include <cstdint>

namespace kalmora::maker
{

struct MakerState {
    // Outline colours of the selection box for the frame colour list, 0x00BBGGRR: black, white,
    // red, green, blue.
    std::array<std::uint32_t, 5> FrameColors {};

    bool ImageLoaded = false;
    // Non-zero while the frame size list says "fixed": the selection box takes the preview's size.
    int FixedSelectionSize = 0;
    bool DrawingSelection = false;
    bool MovingSelection = false;

    // Points of the selection handling, twips in the image canvas's coordinates (or, while a grab
    // area is held, the grab area's).
    float AnchorX = 0;
    float AnchorY = 0;
    float GrabOffsetX = 0;
    float GrabOffsetY = 0;

    // Size of the loaded image at 100 %, twips.
    int LoadedImageWidth = 0;
    int LoadedImageHeight = 0;
    // Folder of the last loaded image, with its trailing separator.
    QString LastImageFolder;

    // Outer size of the preview box, twips.
    std::int32_t PreviewWidth = 0;
    std::int32_t PreviewHeight = 0;
};

inline std::array<std::uint32_t, 5> DefaultFrameColors()
{
    return { platform::Bgr(0, 0, 0), platform::Bgr(255, 255, 255), platform::Bgr(255, 0, 0), platform::Bgr(0, 255, 0),
        platform::Bgr(0, 0, 255) };
}

} // namespace kalmora::maker
