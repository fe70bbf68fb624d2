#pragma once
// Initialization (.ini) files read and written one value per call.
//
// Reading follows the rules programs made on Windows expect of these files: any run of CR/LF ends
// a line, lines are trimmed, "[name]" headers, "key=value" entries split at the first "=", ";"
// comment lines, names compared without regard to ASCII case, first section and first key win,
// values in matching quotes unquoted, at most 510 characters returned.
//
// Writing keeps every other line of the file as it was, replaces the file atomically (temporary
// file in the same folder, then rename) and holds an advisory lock for the whole
// read-modify-write, so two processes writing different keys of one file lose nothing.
// Files are UTF-8; a file that is not valid UTF-8 is read as Shift_JIS.

#include <QString>

namespace kalmora::platform
{

// The value of `key` in `section` of the file at `path`, trimmed of spaces; empty when the file,
// the section or the key is missing or cannot be read.
QString ReadProfileString(const QString &path, const QString &section, const QString &key);

// Sets `key` in `section` to `value`, creating file, section and key as needed. Returns false, and
// leaves the file as it was, when the file cannot be written or when a name or the value contains a
// line break (which would inject further entries into the file).
bool WriteProfileString(const QString &path, const QString &section, const QString &key, const QString &value);

} // namespace kalmora::platform
