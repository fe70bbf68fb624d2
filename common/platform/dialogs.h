#pragma once
// The boxes and dialogs the programs show. Windows use QtDialogs; tests pass a scripted Dialogs that
// records what was shown and answers as the test says.

#include <QString>
#include <QStringList>
#include <cstdint>

class QWidget;

namespace kalmora::platform
{

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A message with one OK button; returns when the user closed it.
    virtual void message(QWidget *parent, const QString &text, const QString &title) = 0;

    // A one-line input box; the text typed, or an empty text on Cancel.
    virtual QString input(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText) = 0;

    // An open-file dialog for an existing file. `filters` are (caption, patterns) pairs in the order
    // shown, for example "画像ﾌｧｲﾙ (*.bmp;*.gif;*.jpg;*.ico)", "*.bmp;*.gif;*.jpg;*.ico"; the first
    // is preselected. An empty `initialFolder` opens the dialog's default folder. Returns the chosen
    // path, or an empty text on Cancel.
    virtual QString openFile(
        QWidget *parent, const QString &title, const QStringList &filters, const QString &initialFolder)
        = 0;

    // The colour dialog opened on `colour` (0x00BBGGRR), with 16 white custom colours every time.
    // Returns the chosen colour, or -1 on Cancel.
    virtual std::int64_t chooseColour(QWidget *parent, std::uint32_t colour) = 0;
};

class QtDialogs final : public Dialogs
{
public:
    void message(QWidget *parent, const QString &text, const QString &title) override;
    QString input(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText) override;
    QString openFile(
        QWidget *parent, const QString &title, const QStringList &filters, const QString &initialFolder) override;
    std::int64_t chooseColour(QWidget *parent, std::uint32_t colour) override;
};

} // namespace kalmora::platform
