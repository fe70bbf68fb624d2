#include "platform/colour.h"
#include "platform/dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace kalmora::platform
{

void QtDialogs::message(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

QString QtDialogs::input(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

QString QtDialogs::openFile(
    QWidget *parent, const QString &title, const QStringList &filters, const QString &initialFolder)
{
    // The filters come as (caption, patterns) pairs with ";" between patterns; Qt wants
    // "caption (p1 p2)" and a caption that already names its patterns keeps them.
    QStringList qtFilters;
    for (qsizetype i = 0; i + 1 < filters.size(); i += 2) {
        QString caption = filters[i];
        const QString patterns = QString(filters[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        const qsizetype open = caption.lastIndexOf(QLatin1Char('('));
        if (open >= 0)
            caption = caption.left(open).trimmed();
        qtFilters << caption + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    QFileDialog dialog(parent, title, initialFolder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(qtFilters);
    if (!qtFilters.isEmpty())
        dialog.selectNameFilter(qtFilters.first());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

std::int64_t QtDialogs::chooseColour(QWidget *parent, std::uint32_t colour)
{
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::white);
    QColorDialog dialog(ToQColor(colour), parent);
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return std::int64_t(ToBgr(dialog.selectedColor()));
}

} // namespace kalmora::platform
