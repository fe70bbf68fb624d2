#include "writer_plan.h"

#include "store/project_settings.h"

namespace kalmora::reliability
{

namespace
{

const QString kSettings = QStringLiteral("Settings");

QList<KeyRef> ProjectKeys()
{
    QList<KeyRef> keys;
    for (const char *key : store::kProjectKeys)
        keys.append({ kSettings, QString::fromLatin1(key) });
    return keys;
}

bool IsWindowPosition(const QString &key)
{
    return key == QLatin1String("VXX") || key == QLatin1String("VYY");
}

} // namespace

std::optional<Writer> WriterNamed(const QString &name)
{
    for (Writer w :
        { Writer::ProjectMaker, Writer::ProjectViewer, Writer::IniMaker, Writer::IniViewer, Writer::ProjectCycle }) {
        if (WriterName(w) == name)
            return w;
    }
    return std::nullopt;
}

QString WriterName(Writer writer)
{
    switch (writer) {
    case Writer::ProjectMaker:
        return QStringLiteral("project-maker");
    case Writer::ProjectViewer:
        return QStringLiteral("project-viewer");
    case Writer::IniMaker:
        return QStringLiteral("ini-maker");
    case Writer::IniViewer:
        return QStringLiteral("ini-viewer");
    case Writer::ProjectCycle:
        return QStringLiteral("project-cycle");
    }
    return {};
}

QList<KeyRef> KeysOf(Writer writer)
{
    switch (writer) {
    case Writer::ProjectMaker:
    case Writer::ProjectCycle:
        return ProjectKeys();
    case Writer::ProjectViewer:
        return { { kSettings, QStringLiteral("VXX") }, { kSettings, QStringLiteral("VYY") } };
    case Writer::IniMaker:
        return { { QStringLiteral("Location"), QStringLiteral("MLeft") },
            { QStringLiteral("Location"), QStringLiteral("MTop") },
            { QStringLiteral("Location"), QStringLiteral("MWidth") },
            { QStringLiteral("Location"), QStringLiteral("MHeight") },
            { QStringLiteral("Location"), QStringLiteral("SLeft") },
            { QStringLiteral("Location"), QStringLiteral("STop") }, { QStringLiteral("Dir"), QStringLiteral("IN") } };
    case Writer::IniViewer:
        return { { kSettings, QStringLiteral("LastName") }, { kSettings, QStringLiteral("FIX") },
            { kSettings, QStringLiteral("AlwaysTop") } };
    }
    return {};
}

QString PlannedValue(Writer writer, int keyIndex, int round)
{
    switch (writer) {
    case Writer::ProjectMaker:
        // A new project starts with its window at 0, 0, whoever moved it before.
        if (IsWindowPosition(KeysOf(writer)[keyIndex].key))
            return QStringLiteral("0");
        return QString::number(round * 10 + keyIndex);
    case Writer::ProjectViewer:
        return QString::number(keyIndex == 0 ? -300 - round : 4545 + round);
    case Writer::IniMaker:
        if (keyIndex == 6)
            return QStringLiteral("/home/写真/%1/").arg(round);
        return QString::number(round * 10 + keyIndex);
    case Writer::IniViewer:
        if (keyIndex == 0)
            return QStringLiteral("空豆商店%1").arg(round);
        return (round + keyIndex) % 2 ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case Writer::ProjectCycle:
        // One write per round: key number round % 10 gets the round's number.
        return QString::number(round);
    }
    return {};
}

std::optional<int> RoundOf(Writer writer, int keyIndex, const QString &value)
{
    bool ok = false;
    switch (writer) {
    case Writer::ProjectMaker: {
        if (IsWindowPosition(KeysOf(writer)[keyIndex].key))
            return value == QLatin1String("0") ? std::optional<int>(0) : std::nullopt;
        const int n = value.toInt(&ok);
        if (!ok || n < 0 || n % 10 != keyIndex)
            return std::nullopt;
        return n / 10;
    }
    case Writer::ProjectViewer: {
        const int n = value.toInt(&ok);
        const int round = keyIndex == 0 ? -300 - n : n - 4545;
        if (!ok || round < 0)
            return std::nullopt;
        return round;
    }
    case Writer::IniMaker: {
        if (keyIndex == 6) {
            const QString prefix = QStringLiteral("/home/写真/");
            if (!value.startsWith(prefix) || !value.endsWith(u'/'))
                return std::nullopt;
            const int n = value.mid(prefix.size()).chopped(1).toInt(&ok);
            return ok && n >= 0 ? std::optional<int>(n) : std::nullopt;
        }
        const int n = value.toInt(&ok);
        if (!ok || n < 0 || n % 10 != keyIndex)
            return std::nullopt;
        return n / 10;
    }
    case Writer::IniViewer: {
        if (keyIndex == 0) {
            const QString prefix = QStringLiteral("空豆商店");
            const int n = value.mid(prefix.size()).toInt(&ok);
            return value.startsWith(prefix) && ok && n >= 0 ? std::optional<int>(n) : std::nullopt;
        }
        // Either word is written in every other round: the round cannot be told, only that it
        // is a written value.
        return value == QLatin1String("TRUE") || value == QLatin1String("FALSE") ? std::optional<int>(0) : std::nullopt;
    }
    case Writer::ProjectCycle: {
        const int n = value.toInt(&ok);
        if (!ok || n < 0 || n % 10 != keyIndex)
            return std::nullopt;
        return n;
    }
    }
    return std::nullopt;
}

} // namespace kalmora::reliability
