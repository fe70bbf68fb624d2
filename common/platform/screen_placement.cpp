#include "platform/screen_placement.h"

#include <algorithm>
#include <cstdint>

namespace kalmora::platform
{

namespace
{

// Half-open box [left, right) x [top, bottom) in 64 bits.
struct Box {
    std::int64_t left;
    std::int64_t top;
    std::int64_t right;
    std::int64_t bottom;
};

Box ToBox(const QRect &rect)
{
    return { rect.x(), rect.y(), std::int64_t(rect.x()) + rect.width(), std::int64_t(rect.y()) + rect.height() };
}

bool Contains(const Box &box, std::int64_t x, std::int64_t y)
{
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

} // namespace

bool LiesOnScreens(QPoint topLeft, QSize size, const std::vector<QRect> &screens)
{
    std::vector<Box> boxes;
    for (const QRect &screen : screens) {
        if (screen.width() > 0 && screen.height() > 0)
            boxes.push_back(ToBox(screen));
    }
    if (boxes.empty())
        return false;

    const Box window { topLeft.x(), topLeft.y(), std::int64_t(topLeft.x()) + std::max(size.width(), 0),
        std::int64_t(topLeft.y()) + std::max(size.height(), 0) };
    if (window.right == window.left || window.bottom == window.top) {
        return std::any_of(
            boxes.begin(), boxes.end(), [&](const Box &box) { return Contains(box, window.left, window.top); });
    }

    // Cut the window along every screen edge that crosses it; each cell of that grid lies either
    // wholly on a screen or wholly off every screen, so testing one corner per cell decides it.
    std::vector<std::int64_t> xs { window.left, window.right };
    std::vector<std::int64_t> ys { window.top, window.bottom };
    for (const Box &box : boxes) {
        for (std::int64_t x : { box.left, box.right }) {
            if (x > window.left && x < window.right)
                xs.push_back(x);
        }
        for (std::int64_t y : { box.top, box.bottom }) {
            if (y > window.top && y < window.bottom)
                ys.push_back(y);
        }
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
            const bool covered
                = std::any_of(boxes.begin(), boxes.end(), [&](const Box &box) { return Contains(box, xs[i], ys[j]); });
            if (!covered)
                return false;
        }
    }
    return true;
}

QPoint KeepOnScreens(
    QPoint topLeft, QSize size, const QRect &primary, const std::vector<QRect> &screens, const SingleScreenRule &rule)
{
    if (LiesOnScreens(topLeft, size, screens))
        return topLeft;
    const QPoint relative(int(std::clamp<std::int64_t>(std::int64_t(topLeft.x()) - primary.x(), INT32_MIN, INT32_MAX)),
        int(std::clamp<std::int64_t>(std::int64_t(topLeft.y()) - primary.y(), INT32_MIN, INT32_MAX)));
    const QPoint placed = rule(relative, size, primary.size());
    return placed + primary.topLeft();
}

} // namespace kalmora::platform
