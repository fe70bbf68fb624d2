#include "compact_combo_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace kalmora::maker
{

namespace
{
constexpr int kArrowWidth = 13;
constexpr int kTextMargin = 3;
} // namespace

CompactComboStyle::CompactComboStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

QRect CompactComboStyle::subControlRect(
    ComplexControl control, const QStyleOptionComplex *option, SubControl part, const QWidget *widget) const
{
    if (control == CC_ComboBox) {
        const QRect r = option->rect;
        if (part == SC_ComboBoxArrow)
            return QRect(r.right() - kArrowWidth, r.top() + 1, kArrowWidth, r.height() - 2);
        if (part == SC_ComboBoxEditField)
            return QRect(
                r.left() + kTextMargin, r.top() + 1, r.width() - kArrowWidth - kTextMargin - 1, r.height() - 2);
    }
    return QProxyStyle::subControlRect(control, option, part, widget);
}

} // namespace kalmora::maker
