#pragma once
// The text layer under profile files: finding and setting one value in the bytes of a file.
// Kept apart from the file access so that every reading and editing rule can be exercised on
// plain bytes.

#include <QByteArray>
#include <QString>
#include <optional>

namespace kalmora::platform
{

enum class TextEncoding { Utf8, ShiftJis };

// UTF-8 when the bytes are valid UTF-8 (a byte order mark allowed), Shift_JIS otherwise.
TextEncoding DetectEncoding(const QByteArray &bytes);

// The longest value a read returns, in characters.
inline constexpr qsizetype kMaxProfileValue = 510;

// The value of `key` in `section` as a read returns it (unquoted, at most 510 characters,
// trimmed); empty when absent.
QString FindProfileValue(const QByteArray &content, const QString &section, const QString &key);

enum class ProfileEdit {
    Changed, // `content` holds the new bytes
    Unchanged, // the value is already there; `content` is untouched
    Unencodable, // the text cannot be stored in the file's encoding; `content` is untouched
};

// Sets `key` in `section` to `value` in `content`: the first matching key's value is replaced in
// place, or the entry is added after the last line of the first matching section, or the section
// and the entry are added at the end. Every other byte stays as it was, except in a Shift_JIS file
// whose last bytes that are not UTF-8 the edit replaces: that file is converted to UTF-8 whole, so
// that its other values still read the same. Names and value must be
// free of line breaks (the caller checks).
ProfileEdit SetProfileValue(QByteArray &content, const QString &section, const QString &key, const QString &value);

} // namespace kalmora::platform
