#pragma once
// Where the maker's two windows open, from the placement stored in KALMORA.ini. All values twips.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

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

// The main window's outer rectangle. Without a stored position it opens at the right of the
// settings dialog (left = `dialogOuterWidth`, top 0); without a stored size it keeps
// `designedOuter`. Stored numbers are read with the leading-number rule, non-numbers as 0.
QRect MainWindowPlacement(const StoredMainPlacement &stored, int dialogOuterWidth, QSize designedOuter, QSize screen);

// The settings dialog's top-left corner: 0, 0 unless both "SLeft" and "STop" are stored, clamped.
QPoint SettingsDialogPosition(const QString &storedLeft, const QString &storedTop, QSize dialogOuter, QSize screen);

} // namespace kalmora::maker
