#include "window_placement.h"

#include "platform/numbers.h"

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

QRect MainWindowPlacement(const StoredMainPlacement &stored, int dialogOuterWidth, QSize designedOuter, QSize screen)
{
    int left = dialogOuterWidth;
    int top = 0;
    if (!stored.left.isEmpty() && !stored.top.isEmpty()) {
        left = platform::ToInt32(platform::LeadingNumber(stored.left));
        top = platform::ToInt32(platform::LeadingNumber(stored.top));
    }
    QSize size = designedOuter;
    if (!stored.width.isEmpty() && !stored.height.isEmpty()) {
        size = QSize(platform::ToInt32(platform::LeadingNumber(stored.width)),
            platform::ToInt32(platform::LeadingNumber(stored.height)));
    }
    left = ClampToScreen(left, size.width(), screen.width());
    top = ClampToScreen(top, size.height(), screen.height());
    return QRect(QPoint(left, top), size);
}

QPoint SettingsDialogPosition(const QString &storedLeft, const QString &storedTop, QSize dialogOuter, QSize screen)
{
    int left = 0;
    int top = 0;
    if (!storedLeft.isEmpty() && !storedTop.isEmpty()) {
        left = platform::ToInt32(platform::LeadingNumber(storedLeft));
        top = platform::ToInt32(platform::LeadingNumber(storedTop));
    }
    return QPoint(ClampToScreen(left, dialogOuter.width(), screen.width()),
        ClampToScreen(top, dialogOuter.height(), screen.height()));
}

} // namespace kalmora::maker
