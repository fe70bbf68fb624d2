#pragma once

namespace kalmora::platform
{

// Ends the program at once with `code`: no closing handler runs, nothing more is written.
[[noreturn]] void EndProgramNow(int code);

} // namespace kalmora::platform
