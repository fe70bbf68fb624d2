#pragma once
// The maker's icon: a calendar sheet with a photo corner and a heart cut, drawn at the sizes a
// window manager asks for.

#include <QIcon>

namespace kalmora::maker
{

QIcon MakerIcon();

} // namespace kalmora::maker
