#include "platform/image_files.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <array>

namespace kalmora::platform
{

namespace
{

// An uncompressed Windows bitmap whose pixel rows reach past the end of the file. The reader
// would return it whole, the missing rows filled with whatever the memory held; the project
// pictures are such bitmaps, and a picture cut short by a full disk must not show as garbage.
bool IsShortBitmap(const QString &path, qint64 fileSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A fixed buffer rather than a QByteArray: the compiler then sees the header's real size.
    std::array<char, 34> head {};
    if (file.read(head.data(), qint64(head.size())) != qint64(head.size()) || head[0] != 'B' || head[1] != 'M')
        return false;
    const quint32 pixelOffset = qFromLittleEndian<quint32>(head.data() + 10);
    const quint32 headerSize = qFromLittleEndian<quint32>(head.data() + 14);
    if (headerSize < 40)
        return false; // the old core header: left to the reader
    const qint64 width = qFromLittleEndian<qint32>(head.data() + 18);
    const qint64 height = qAbs(qint64(qFromLittleEndian<qint32>(head.data() + 22)));
    const quint16 bitsPerPixel = qFromLittleEndian<quint16>(head.data() + 28);
    const quint32 compression = qFromLittleEndian<quint32>(head.data() + 30);
    // Only uncompressed rows (plain or with bit fields) have a size known from the header.
    if ((compression != 0 && compression != 3) || width <= 0 || bitsPerPixel == 0 || bitsPerPixel > 32)
        return false;
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return qint64(pixelOffset) + rowBytes * height > fileSize;
}

} // namespace

void ConfigureImageReading()
{
    QImageReader::setAllocationLimit(kImageAllocationLimitMiB);
}

QImage ReadImageFile(const QString &path, QString *error)
{
    const auto fail = [error](const QString &description) {
        if (error)
            *error = description;
        return QImage();
    };

    // The reader's own texts say little about these cases ("Unknown error" for a folder).
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QStringLiteral("The file does not exist."));
    if (info.isDir())
        return fail(QStringLiteral("This is a folder, not a picture file."));
    if (info.size() == 0)
        return fail(QStringLiteral("The file is empty."));

    if (IsShortBitmap(path, info.size()))
        return fail(QStringLiteral("The picture file is cut short."));

    QImageReader reader(path);
    // What the file holds decides, not its name: a picture with the wrong extension still loads,
    // and a damaged one is not handed to the reader its name suggests.
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    // The size is known from the header alone: refuse what cannot be held before decoding starts.
    const QSize size = reader.size();
    if (size.isValid()) {
        const qint64 bytes = qint64(size.width()) * size.height() * 4;
        if (bytes > qint64(kImageAllocationLimitMiB) * 1024 * 1024)
            return fail(
                QStringLiteral("The picture is too large (%1 × %2 pixels).").arg(size.width()).arg(size.height()));
    }
    QImage image = reader.read();
    if (image.isNull())
        return fail(reader.errorString());
    return image;
}

} // namespace kalmora::platform
