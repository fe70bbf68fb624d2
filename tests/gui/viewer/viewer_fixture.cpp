#include "viewer_fixture.h"

#include "platform/colour.h"
#include "store/app_files.h"

#include <QDir>
#include <QImage>
#include <QTest>

namespace kalmora::testsupport
{

QDateTime LastDayOfMarch2004()
{
    return QDateTime(QDate(2004, 3, 31), QTime(12, 0));
}

ViewerFolder::ViewerFolder()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("cprj"));
    QDir(m_dir.path()).mkpath(QStringLiteral("pict"));
}

void ViewerFolder::addProject(
    const QString &name, const store::ProjectSettings &settings, const QColor &colour, QSize pictureSize)
{
    const std::int32_t values[] = { settings.PKA, settings.PBG, settings.CHE, settings.CDO, settings.CNI, settings.CBG,
        settings.CXX, settings.CYY, settings.VXX, settings.VYY };
    for (std::size_t i = 0; i < store::kProjectKeys.size(); ++i) {
        QVERIFY(store::WriteProjectValue(path(), name, QStringLiteral("Settings"),
            QString::fromLatin1(store::kProjectKeys[i]), QString::number(values[i])));
    }
    if (colour.isValid()) {
        QImage picture(pictureSize, QImage::Format_RGB32);
        picture.fill(colour);
        QVERIFY(picture.save(store::PictureFilePath(path(), name), "BMP"));
    }
}

void ViewerFolder::writeIni(const QString &key, const QString &value)
{
    QVERIFY(store::WriteIni(path(), QStringLiteral("Settings"), key, value));
}

QString ViewerFolder::ini(const QString &key) const
{
    return store::ReadIni(path(), QStringLiteral("Settings"), key);
}

QString ViewerFolder::projectValue(const QString &name, const QString &key) const
{
    return store::ReadProjectValue(path(), name, QStringLiteral("Settings"), key);
}

store::ProjectSettings Project(int shape, int cxx, int cyy, int vxx, int vyy)
{
    store::ProjectSettings s;
    s.PKA = shape;
    s.PBG = 0;
    s.CHE = std::int32_t(platform::Bgr(255, 255, 255));
    s.CDO = std::int32_t(platform::Bgr(0, 0, 255));
    s.CNI = std::int32_t(platform::Bgr(255, 0, 0));
    s.CBG = 0;
    s.CXX = cxx;
    s.CYY = cyy;
    s.VXX = vxx;
    s.VYY = vyy;
    return s;
}

std::unique_ptr<RunningViewer> StartViewer(const ViewerFolder &folder, const QDateTime &now)
{
    auto viewer = std::make_unique<RunningViewer>();
    viewer->clock.set(now);
    viewer->form = std::make_unique<viewer::Form1>(
        folder.path(), viewer->clock, viewer->dialogs, platform::TwipsPerPixel { 15, 15 });
    viewer->form->Load();
    return viewer;
}

} // namespace kalmora::testsupport
