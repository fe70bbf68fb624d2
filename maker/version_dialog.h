#pragma once
// The maker's version dialog: the shared dialog with the maker's product text and icon.

#include "platform/units.h"

class QWidget;

namespace kalmora::maker
{

// A new, not yet shown version dialog owned by `parent`, named "frm_Version".
QWidget *CreateVersionDialog(QWidget *parent, const platform::TwipsPerPixel &tpp);

} // namespace kalmora::maker
