#include "image_loading.h"

#include "platform/image_files.h"

#include <QPainter>

namespace kalmora::maker
{

QImage ReadInputImage(const QString &path, QString *error)
{
    QImage image = platform::ReadImageFile(path, error);
    if (image.isNull())
        return {};
    // The canvas and everything composed from it are opaque; a transparent icon or PNG shows on white.
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
        painter.end();
        return flat;
    }
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    return image;
}

QString FolderOfPath(const QString &path)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return slash < 0 ? QString() : path.left(slash + 1);
}

} // namespace kalmora::maker
