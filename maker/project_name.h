#pragma once
// The name a calendar project is registered under. It becomes the stem of two file names
// (cprj/<name>.cpj and pict/<name>.bmp), so it must name a file inside those folders.

#include <QDateTime>
#include <QString>

namespace kalmora::maker
{

// Empty when `name` can be used; otherwise the message that tells the user what is wrong. Refused:
// "." and "..", a path separator ("/", "\"), a control character, one of : * ? " < > |, and a
// name that ends in a space or a dot. The empty name is not judged here (it means "cancelled").
QString ProjectNameProblem(const QString &name);

// The name offered in the input box: the local date and time as 14 digits, "yyyymmddhhmmss".
QString DefaultProjectName(const QDateTime &now);

} // namespace kalmora::maker
