#pragma once
// An application folder for one viewer test, with projects written the way the maker writes them,
// and the viewer started on it with a pinned clock and scripted dialogs.

#include "platform/clock.h"
#include "scripted_dialogs.h"
#include "store/project_settings.h"
#include "viewer/form1.h"

#include <QColor>
#include <QSize>
#include <QTemporaryDir>
#include <memory>

namespace kalmora::testsupport
{

// 31 March 2004, noon, the 'today' most viewer tests are pinned to.
QDateTime LastDayOfMarch2004();

class ViewerFolder
{
public:
    ViewerFolder();
    QString path() const { return m_dir.path(); }

    // cprj/<name>.cpj with the ten values, and pict/<name>.bmp of `pictureSize` in `colour` (none
    // when `colour` is invalid).
    void addProject(const QString &name, const store::ProjectSettings &settings, const QColor &colour,
        QSize pictureSize = QSize(256, 256));
    void writeIni(const QString &key, const QString &value);
    QString ini(const QString &key) const;
    QString projectValue(const QString &name, const QString &key) const;

private:
    QTemporaryDir m_dir;
};

// Settings of a project: shape, calendar place, window place; the usual calendar colours.
store::ProjectSettings Project(int shape, int cxx, int cyy, int vxx, int vyy);

struct RunningViewer {
    platform::FixedClock clock { LastDayOfMarch2004() };
    ScriptedDialogs dialogs;
    std::unique_ptr<viewer::Form1> form;
};

// A viewer on `folder`, its load handler run (so it is shown), at 15 twips per pixel.
std::unique_ptr<RunningViewer> StartViewer(const ViewerFolder &folder, const QDateTime &now = LastDayOfMarch2004());

} // namespace kalmora::testsupport
