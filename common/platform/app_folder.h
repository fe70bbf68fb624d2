#pragma once
// Where the shared files live, and the joining rule for names in it.

#include <QString>

namespace kalmora::platform
{

// `folder` and `name` with exactly one separator between them ("/x" + "a" and "/x/" + "a" both
// give "/x/a").
QString JoinPath(const QString &folder, const QString &name);

// The folder of the running program file (call after the QCoreApplication exists).
QString ProgramFolder();

} // namespace kalmora::platform
