#include "platform/colour.h"
#include "platform/dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>

namespace kalmora::platform
{

void QtDialogs::message(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    // A short text makes a box too narrow for its own title; keep room for the title bar.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int titleWidth = box.fontMetrics().horizontalAdvance(title) + 160;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0,
            1, grid->columnCount());
    }
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
    // The filters come as (caption, patterns) pairs with ";" between patterns. The caption is
    // shown exactly as given; Qt would take the patterns from the caption's parentheses, so the
    // file model gets our own patterns whenever a filter becomes the current one.
    QStringList captions;
    QList<QStringList> patterns;
    for (qsizetype i = 0; i + 1 < filters.size(); i += 2) {
        captions << filters[i];
        patterns << filters[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    QFileDialog dialog(parent, title, initialFolder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(captions);
    auto *model = dialog.findChild<QFileSystemModel *>();
    auto applyPatterns = [&](const QString &caption) {
        const qsizetype index = captions.indexOf(caption);
        if (model && index >= 0)
            model->setNameFilters(patterns[index]);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, applyPatterns);
    if (!captions.isEmpty()) {
        dialog.selectNameFilter(captions.first());
        applyPatterns(captions.first());
    }
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
