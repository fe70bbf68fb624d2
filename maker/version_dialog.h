#pragma once
// The maker's version dialog: the shared dialog with the maker's product text and icon.

class QWidget;

namespace kalmora::maker
{

// A new, not yet shown version dialog owned by `parent`.
QWidget *CreateVersionDialog(QWidget *parent);

} // namespace kalmora::maker
