#pragma once
// A corpus of broken picture files, made in a folder by the test that needs it: for each of BMP,
// GIF, JPEG, PNG and ICO a truncated file, one cut to its header, one with a wrong magic number,
// one whose header claims absurd dimensions, one of random bytes behind a right magic number, an
// empty file, and a folder named like a picture. Beside them, one good picture per format, so
// that a test can check that the good ones still load.

#include <QList>
#include <QString>

namespace kalmora::testing
{

struct PictureFile {
    QString name; // what is wrong with it, e.g. "png truncated"
    QString path;
};

struct PictureCorpus {
    QList<PictureFile> bad;
    QList<PictureFile> good;
};

// Writes the corpus into `folder` (which must exist).
PictureCorpus MakePictureCorpus(const QString &folder);

} // namespace kalmora::testing
