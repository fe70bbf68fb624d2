#pragma once
// Reading an input picture file.

#include <QImage>
#include <QString>

namespace kalmora::maker
{

// The picture of the file at `path`, upright as its orientation tag says, in any format the image
// plugins read. On failure a null image and, in `error`, the reader's description.
QImage ReadInputImage(const QString &path, QString *error);

// The path up to and including its last separator ("/" or "\"); empty when it has none.
QString FolderOfPath(const QString &path);

} // namespace kalmora::maker
