#pragma once
// The version dialog both programs show from their menus: the program's icon, its name, the
// version and an etched rule above the OK button.
//
// Every control is placed by its twips rectangle, converted to pixels with the screen's twips per
// pixel; a label whose text needs more room than its rectangle grows to the right and down, so a
// font with other metrics never clips the text. The dialog centres itself on the primary screen
// when it is shown. The OK button is the default button: Enter closes the dialog.

#include "platform/units.h"

#include <QDialog>
#include <QIcon>
#include <QString>

class QLabel;
class QPushButton;

namespace kalmora::ui
{

class frm_Version : public QDialog
{
    Q_OBJECT
public:
    // `programName` is the text of Label2(0) ("かるもら～表示" in the viewer, "かるもら～作成" in the
    // maker); `icon` the program's icon, shown as window icon and as Image1.
    frm_Version(const QString &programName, const QIcon &icon, QWidget *parent = nullptr,
        const platform::TwipsPerPixel &tpp = platform::ScreenTwipsPerPixel());

    QLabel *Image1() const { return m_image1; }
    QLabel *Label2(int index) const { return index == 0 ? m_label2_0 : m_label2_1; }
    QPushButton *Command1() const { return m_command1; }

    // The client size in twips the dialog is laid out for.
    static constexpr int kClientWidthTwips = 3945;
    static constexpr int kClientHeightTwips = 1125;

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect pixelRect(int left, int top, int width, int height) const;

    platform::TwipsPerPixel m_tpp;
    QLabel *m_image1 = nullptr;
    QLabel *m_label2_0 = nullptr;
    QLabel *m_label2_1 = nullptr;
    QPushButton *m_command1 = nullptr;
};

} // namespace kalmora::ui
