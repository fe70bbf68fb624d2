#include "window_placement.h"

#include "platform/numbers.h"
#include "platform/screen_placement.h"

namespace kalmora::maker
{

int ClampToScreen(int position, int size, int screen)
{
    if (position < 0)
        position = 0;
    if (position > screen - size)
        position = screen - size;
    return position;
}

QPoint ClampOntoScreen(QPoint position, QSize window, QSize screen)
{
    return QPoint(ClampToScreen(position.x(), window.width(), screen.width()),
        ClampToScreen(position.y(), window.height(), screen.height()));
}

QRect MainWindowPlacement(const StoredMainPlacement &stored, int dialogOuterWidth, QSize designedOuter,
    const QRect &primary, const std::vector<QRect> &screens)
{
    QPoint topLeft = primary.topLeft() + QPoint(dialogOuterWidth, 0);
    if (!stored.left.isEmpty() && !stored.top.isEmpty()) {
        topLeft = QPoint(platform::ToInt32(platform::LeadingNumber(stored.left)),
            platform::ToInt32(platform::LeadingNumber(stored.top)));
    }
    QSize size = designedOuter;
    if (!stored.width.isEmpty() && !stored.height.isEmpty()) {
        size = QSize(platform::ToInt32(platform::LeadingNumber(stored.width)),
            platform::ToInt32(platform::LeadingNumber(stored.height)));
    }
    return QRect(platform::KeepOnScreens(topLeft, size, primary, screens, ClampOntoScreen), size);
}

QPoint SettingsDialogPosition(const QString &storedLeft, const QString &storedTop, QSize dialogOuter,
    const QRect &primary, const std::vector<QRect> &screens)
{
    QPoint topLeft = primary.topLeft();
    if (!storedLeft.isEmpty() && !storedTop.isEmpty()) {
        topLeft = QPoint(platform::ToInt32(platform::LeadingNumber(storedLeft)),
            platform::ToInt32(platform::LeadingNumber(storedTop)));
    }
    return platform::KeepOnScreens(topLeft, dialogOuter, primary, screens, ClampOntoScreen);
}

} // namespace kalmora::maker
