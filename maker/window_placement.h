#pragma once
// Where the maker's two windows open, from the placement stored in KALMORA.ini. All values twips.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace kalmora::maker
{

// Pulls one coordinate onto the screen: below 0 becomes 0, then past `screen - size` becomes
// `screen - size`. A window larger than the screen thus ends at a negative position.
int ClampToScreen(int position, int size, int screen);

// The stored texts of the main window ("MLeft", "MTop", "MWidth", "MHeight").
struct StoredMainPlacement {
    QString left;
    QString top;
    QString width;
    QString height;
};

// ClampToScreen for both coordinates: the single-screen rule (positions relative to the screen).
QPoint ClampOntoScreen(QPoint position, QSize window, QSize screen);

// The main window's outer rectangle. Without a stored position it opens at the right of the
// settings dialog (left = `dialogOuterWidth`, top 0, on the primary screen); without a stored size
// it keeps `designedOuter`. Stored numbers are read with the leading-number rule, non-numbers as 0.
// A window that lies on `screens` stays where it was stored; otherwise it is clamped onto
// `primary`. With one screen at 0, 0 that is the clamping alone.
QRect MainWindowPlacement(const StoredMainPlacement &stored, int dialogOuterWidth, QSize designedOuter,
    const QRect &primary, const std::vector<QRect> &screens);

// The settings dialog's top-left corner: 0, 0 of the primary screen unless both "SLeft" and "STop"
// are stored; kept on the screens as the main window is.
QPoint SettingsDialogPosition(const QString &storedLeft, const QString &storedTop, QSize dialogOuter,
    const QRect &primary, const std::vector<QRect> &screens);

} // namespace kalmora::maker
