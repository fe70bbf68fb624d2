#pragma once
// Reading picture files: the input images of the maker and the project pictures of the viewer.
//
// Decoding is bounded by one allocation limit for the whole process, set once at start-up: a real
// photo always fits, while a file whose header claims absurd dimensions is refused before anything
// is allocated for it.

#include <QImage>
#include <QString>

namespace kalmora::platform
{

// The most one decoded image may take, in MiB: a 100-megapixel photo at 32 bits per pixel needs
// about 400.
inline constexpr int kImageAllocationLimitMiB = 1024;

// Sets the image allocation limit above for every reader of the process. Called by both programs'
// main() before anything is read.
void ConfigureImageReading();

// The picture in the file at `path`, turned upright as its orientation tag says, in any format the
// image plugins read. On failure a null image and, in `error` (when given), a description for the
// user: a missing file, a folder, an empty file, an unknown format, damaged or oversized contents.
QImage ReadImageFile(const QString &path, QString *error);

} // namespace kalmora::platform
