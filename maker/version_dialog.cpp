#include "version_dialog.h"

#include <QWidget>

namespace kalmora::maker
{

QWidget *CreateVersionDialog(QWidget *parent)
{
    auto *dialog = new QWidget(parent, Qt::Dialog);
    dialog->setObjectName(QStringLiteral("frm_Version"));
    return dialog;
}

} // namespace kalmora::maker
