#pragma once
// A fresh application folder for one test: the built programs and the default project copied from
// the build's application folder into a temporary folder, removed when the object goes.

#include <QString>
#include <QTemporaryDir>

namespace kalmora::e2e
{

class TempAppFolder
{
public:
    TempAppFolder();

    // Copies the programs (KALMORAV, KALMORAM where built) and the folders cprj/ and pict/ of the
    // build; KALMORA.ini is not copied, so every test starts as a first start. False with a reason
    // in `error` when the folder or a copy could not be made.
    bool populate(QString *error);

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }
    QString programPath(const QString &program) const { return m_dir.filePath(program); }

    // The build's application folder the copies come from.
    static QString buildAppFolder();

private:
    QTemporaryDir m_dir;
};

} // namespace kalmora::e2e
