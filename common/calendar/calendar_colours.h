#pragma once

#include "platform/colour.h"

#include <cstdint>

namespace kalmora::calendar
{

// The four calendar colours, 0x00BBGGRR. The defaults are the viewer's defaults and the colours
// the maker always draws with.
struct CalendarColours {
    std::uint32_t CHE = platform::Bgr(255, 255, 255); // title and weekday numbers
    std::uint32_t CDO = platform::Bgr(0, 0, 255); // Saturdays
    std::uint32_t CNI = platform::Bgr(255, 0, 0); // Sundays, holidays, today's box
    std::uint32_t CBG = platform::Bgr(0, 0, 0); // the shadow pass
    bool operator==(const CalendarColours &) const = default;
};

} // namespace kalmora::calendar
