#pragma once
// Every text the viewer shows, in one place.

#include <QString>

namespace kalmora::viewer::texts
{

inline QString ProgramName()
{
    return QStringLiteral("かるもら～表示");
}
inline QString DefaultProjectName()
{
    return QStringLiteral("空豆商店");
}

inline QString MenuRoot()
{
    return QStringLiteral("mpop");
}
inline QString Favourites()
{
    return QStringLiteral("お気に入り");
}
inline QString NoProjects()
{
    return QStringLiteral("(なし)");
}
inline QString MonthShown()
{
    return QStringLiteral("表示月");
}
inline QString FixPosition()
{
    return QStringLiteral("位置固定");
}
inline QString AlwaysInFront()
{
    return QStringLiteral("常に手前に表示");
}
inline QString VersionInformation()
{
    return QStringLiteral("バージョン情報");
}
inline QString Exit()
{
    return QStringLiteral("終了");
}

// The picture of a project could not be read; `path` names the file.
inline QString PictureUnreadable(const QString &path)
{
    return QStringLiteral("カレンダーの画像を読み込めませんでした。\n%1").arg(path);
}

} // namespace kalmora::viewer::texts
