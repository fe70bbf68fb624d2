#include "platform/process.h"

#include <cstdlib>

namespace kalmora::platform
{

void EndProgramNow(int code)
{
    // _Exit runs no atexit handlers, no static destructors and flushes no stdio buffers.
    std::_Exit(code);
}

} // namespace kalmora::platform
