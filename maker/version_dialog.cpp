#include "version_dialog.h"

#include "maker_texts.h"
#include "platform/desktop_identity.h"
#include "ui/frm_version.h"

namespace kalmora::maker
{

QWidget *CreateVersionDialog(QWidget *parent, const platform::TwipsPerPixel &tpp)
{
    auto *dialog
        = new ui::frm_Version(texts::kVersionProductText, platform::ProgramIcon(platform::Program::Maker), parent, tpp);
    dialog->setObjectName(QStringLiteral("frm_Version"));
    dialog->setModal(false);
    return dialog;
}

} // namespace kalmora::maker
