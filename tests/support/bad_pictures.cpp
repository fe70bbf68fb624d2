#include "bad_pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QtEndian>

namespace kalmora::testing
{

namespace
{

QImage Sample()
{
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 5, 128));
    }
    return image;
}

QByteArray Encoded(const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // An icon is at most 256 pixels wide and square in practice; the sample fits either way.
    Sample().save(&buffer, format);
    return bytes;
}

// A 2 × 2 GIF written by hand: Qt reads GIF but does not write it.
QByteArray Gif()
{
    static const unsigned char gif[]
        = { 'G', 'I', 'F', '8', '9', 'a', 0x02, 0x00, 0x02, 0x00, 0x80, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0x00, 0xff,
              0x2c, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x02, 0x00, 0x00, 0x02, 0x03, 0x44, 0x34, 0x05, 0x00, 0x3b };
    return QByteArray(reinterpret_cast<const char *>(gif), sizeof gif);
}

quint32 Crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutLe32(QByteArray &bytes, qsizetype at, qint32 value)
{
    qToLittleEndian<qint32>(value, bytes.data() + at);
}
void PutBe16(QByteArray &bytes, qsizetype at, quint16 value)
{
    qToBigEndian<quint16>(value, bytes.data() + at);
}
void PutLe16(QByteArray &bytes, qsizetype at, quint16 value)
{
    qToLittleEndian<quint16>(value, bytes.data() + at);
}

// The same picture with a header that claims a size no machine can hold.
QByteArray Oversized(const QString &format, QByteArray bytes)
{
    if (format == QLatin1String("bmp")) {
        PutLe32(bytes, 18, 100000);
        PutLe32(bytes, 22, 100000);
    } else if (format == QLatin1String("png")) {
        // IHDR follows the signature: length, type, width, height, ..., with its checksum kept right
        // so that the reader gets as far as the size.
        qToBigEndian<quint32>(100000, bytes.data() + 16);
        qToBigEndian<quint32>(100000, bytes.data() + 20);
        qToBigEndian<quint32>(Crc32(bytes.mid(12, 17)), bytes.data() + 29);
    } else if (format == QLatin1String("jpg")) {
        // 16 bits are all a JPEG frame header has.
        const qsizetype sof = bytes.indexOf(QByteArray("\xff\xc0", 2));
        if (sof >= 0) {
            PutBe16(bytes, sof + 5, 65500);
            PutBe16(bytes, sof + 7, 65500);
        }
    } else if (format == QLatin1String("gif")) {
        PutLe16(bytes, 6, 65535);
        PutLe16(bytes, 8, 65535);
        PutLe16(bytes, 19 + 5, 65535); // the image descriptor after the two-colour table
        PutLe16(bytes, 19 + 7, 65535);
    } else if (format == QLatin1String("ico")) {
        // An icon directory of one entry that holds an oversized PNG, as icons since 2007 may.
        const QByteArray png = Oversized(QStringLiteral("png"), Encoded("png"));
        QByteArray icon(22, '\0');
        PutLe16(icon, 2, 1); // type: icon
        PutLe16(icon, 4, 1); // one entry
        PutLe16(icon, 6 + 4, 1); // planes
        PutLe16(icon, 6 + 6, 32); // bits per pixel
        PutLe32(icon, 6 + 8, qint32(png.size()));
        PutLe32(icon, 6 + 12, 22);
        return icon + png;
    }
    return bytes;
}

QByteArray Magic(const QString &format)
{
    if (format == QLatin1String("bmp"))
        return "BM";
    if (format == QLatin1String("png"))
        return "\x89PNG\r\n\x1a\n";
    if (format == QLatin1String("jpg"))
        return "\xff\xd8\xff\xe0";
    if (format == QLatin1String("gif"))
        return "GIF89a";
    return QByteArray("\0\0\1\0", 4);
}

} // namespace

PictureCorpus MakePictureCorpus(const QString &folder)
{
    PictureCorpus corpus;
    const QDir dir(folder);
    const auto write
        = [&](QList<PictureFile> &list, const QString &name, const QString &file, const QByteArray &bytes) {
              const QString path = dir.filePath(file);
              QFile out(path);
              if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
                  out.write(bytes);
              list.append({ name, path });
          };

    QRandomGenerator random(20040331);
    for (const char *format : { "bmp", "gif", "jpg", "png", "ico" }) {
        const QString f = QString::fromLatin1(format);
        const QByteArray good = f == QLatin1String("gif") ? Gif() : Encoded(format);
        write(corpus.good, f + QStringLiteral(" good"), QStringLiteral("good.") + f, good);

        write(corpus.bad, f + QStringLiteral(" truncated to a third"), QStringLiteral("third.") + f,
            good.left(good.size() / 3));
        write(corpus.bad, f + QStringLiteral(" cut to 12 bytes"), QStringLiteral("twelve.") + f, good.left(12));
        QByteArray wrongMagic = good;
        for (int i = 0; i < 4; ++i)
            wrongMagic[i] = 'X';
        write(corpus.bad, f + QStringLiteral(" wrong magic"), QStringLiteral("magic.") + f, wrongMagic);
        write(corpus.bad, f + QStringLiteral(" absurd dimensions"), QStringLiteral("huge.") + f, Oversized(f, good));
        QByteArray noise = Magic(f);
        while (noise.size() < 4096)
            noise.append(char(random.bounded(256)));
        write(corpus.bad, f + QStringLiteral(" noise behind its magic"), QStringLiteral("noise.") + f, noise);
        write(corpus.bad, f + QStringLiteral(" empty"), QStringLiteral("empty.") + f, QByteArray());
        dir.mkpath(QStringLiteral("folder.") + f);
        corpus.bad.append(
            { f + QStringLiteral(" folder named like a picture"), dir.filePath(QStringLiteral("folder.") + f) });
    }
    corpus.bad.append({ QStringLiteral("missing file"), dir.filePath(QStringLiteral("missing.bmp")) });
    return corpus;
}

} // namespace kalmora::testing
