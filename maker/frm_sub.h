#pragma once
// `frmSub`, the settings dialog: the finished preview (`Picture2`, cut to the chosen shape, with
// the month calendar on it and two scroll bars that slide the calendar), the shape, scale and
// selection-box lists, the five colour swatches with their "..." buttons, and the button that
// registers the project. It holds its settings in its controls; the main window reads them there.

#include "calendar/calendar_labels.h"
#include "maker_context.h"

#include <QWidget>
#include <array>
#include <cstdint>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace kalmora::maker
{

class ColourSwatch;
class frmMain;
class PreviewBox;
struct MakerState;

class frmSub : public QWidget
{
    Q_OBJECT
public:
    // Builds the dialog and runs its load handler (placement, the four lists and their handlers).
    frmSub(frmMain &main, MakerState &state, const MakerContext &context);
    ~frmSub() override;

    PreviewBox *Picture2() const { return m_picture2; }
    QScrollBar *HScroll1() const { return m_hScroll1; }
    QScrollBar *VScroll1() const { return m_vScroll1; }
    QComboBox *Combo1() const { return m_combo1; }
    QComboBox *Combo2() const { return m_combo2; }
    QComboBox *Combo3() const { return m_combo3; }
    QComboBox *Combo4() const { return m_combo4; }
    QPushButton *Command1() const { return m_command1; }
    ColourSwatch *Label2() const { return m_label2; }
    calendar::CalendarLabels *calendar() const { return m_calendar; }

    // The four calendar swatches as calendar colours.
    calendar::CalendarColours swatchColours() const;

    // Closing the dialog from the main window's closing: stores the position once.
    void Unload();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildControls();
    void Form_Load();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Combo4_Click();
    void PickBackgroundColour();
    void PickCalendarColour(ColourSwatch *swatch);
    void CalendarScrolled();
    void UpdatePreviewSize();

    frmMain &m_main;
    MakerState &m_state;
    MakerContext m_context;
    bool m_unloaded = false;

    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    QGroupBox *m_frame3 = nullptr;
    QGroupBox *m_frame4 = nullptr;
    PreviewBox *m_picture2 = nullptr;
    QScrollBar *m_hScroll1 = nullptr;
    QScrollBar *m_vScroll1 = nullptr;
    QComboBox *m_combo1 = nullptr;
    QComboBox *m_combo2 = nullptr;
    QComboBox *m_combo3 = nullptr;
    QComboBox *m_combo4 = nullptr;
    ColourSwatch *m_label2 = nullptr;
    ColourSwatch *m_label3 = nullptr;
    ColourSwatch *m_label7 = nullptr;
    ColourSwatch *m_label8 = nullptr;
    ColourSwatch *m_label9 = nullptr;
    QPushButton *m_command1 = nullptr;
    calendar::CalendarLabels *m_calendar = nullptr;
};

} // namespace kalmora::maker
