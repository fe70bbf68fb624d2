#include "temp_app_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kalmora::e2e
{

TempAppFolder::TempAppFolder() = default;

QString TempAppFolder::buildAppFolder()
{
    return QStringLiteral(KALMORA_E2E_APP_DIR);
}

bool TempAppFolder::populate(QString *error)
{
    if (!m_dir.isValid()) {
        *error = QStringLiteral("no temporary folder: ") + m_dir.errorString();
        return false;
    }
    const QDir source(buildAppFolder());
    for (const char *program : { "KALMORAV", "KALMORAM" }) {
        const QString name = QString::fromLatin1(program);
        if (!source.exists(name))
            continue;
        // QFile::copy keeps the permissions, the execute bits included.
        if (!QFile::copy(source.filePath(name), m_dir.filePath(name))) {
            *error = QStringLiteral("could not copy ") + source.filePath(name);
            return false;
        }
    }
    for (const char *folder : { "cprj", "pict" }) {
        const QString name = QString::fromLatin1(folder);
        QDir().mkpath(m_dir.filePath(name));
        const QDir from(source.filePath(name));
        for (const QFileInfo &file : from.entryInfoList(QDir::Files)) {
            const QString target = m_dir.filePath(name + QLatin1Char('/') + file.fileName());
            if (!QFile::copy(file.filePath(), target)) {
                *error = QStringLiteral("could not copy ") + file.filePath();
                return false;
            }
        }
    }
    return true;
}

} // namespace kalmora::e2e
