#include "project_name.h"

#include "maker_texts.h"
#include "platform/dates.h"

namespace kalmora::maker
{

QString ProjectNameProblem(const QString &name)
{
    if (name.isEmpty())
        return {};
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return texts::kNameReserved;
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || forbidden.contains(c)) {
            const QString shown = c.category() == QChar::Other_Control
                ? QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper()
                : QString(c);
            return texts::kNameBadCharacter.arg(shown);
        }
    }
    if (name.endsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char('.')))
        return texts::kNameBadEnd;
    return {};
}

QString DefaultProjectName(const QDateTime &now)
{
    return platform::FormatDate(now, QStringLiteral("yyyymmddhhmmss"));
}

} // namespace kalmora::maker
