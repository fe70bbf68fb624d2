#include "profile_text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <vector>

namespace kalmora::platform
{

namespace
{

// Blanks trimmed from lines, names and values: ASCII only, so that a full-width space in a
// Japanese value is kept.
bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}
bool IsBlankByte(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}
bool IsBreak(char c)
{
    return c == '\r' || c == '\n';
}

QString Trim(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin].unicode()))
        ++begin;
    while (end > begin && IsBlank(text[end - 1].unicode()))
        --end;
    return text.mid(begin, end - begin);
}

char16_t AsciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

bool SameName(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i].unicode()) != AsciiLower(b[i].unicode()))
            return false;
    }
    return true;
}

constexpr char kBom[] = "\xEF\xBB\xBF";

QStringDecoder ShiftJisDecoder()
{
    // The Windows flavour of Shift_JIS first: it is what files written on Windows hold.
    QStringDecoder decoder("windows-31j");
    if (!decoder.isValid())
        decoder = QStringDecoder("Shift_JIS");
    return decoder;
}

QStringEncoder ShiftJisEncoder()
{
    QStringEncoder encoder("windows-31j");
    if (!encoder.isValid())
        encoder = QStringEncoder("Shift_JIS");
    return encoder;
}

QString Decode(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8) {
        // Every line is decoded on its own: a U+FEFF at the start of a line is part of a name,
        // not a byte order mark (that one is skipped once, at the start of the file).
        QStringDecoder decoder(
            QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        return decoder.decode(bytes);
    }
    QStringDecoder decoder = ShiftJisDecoder();
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

std::optional<QByteArray> Encode(const QString &text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return text.toUtf8();
    QStringEncoder encoder = ShiftJisEncoder();
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

enum class LineKind { Blank, Header, Comment, Entry };

// One line of the file: its bytes run from `begin` to `end` (line break excluded).
struct Line {
    qsizetype begin = 0;
    qsizetype end = 0;
    LineKind kind = LineKind::Blank;
    QString name; // section name of a header, key of an entry
    QString value; // raw value of an entry, trimmed, quotes kept
    qsizetype equals = -1; // byte offset of the first "=" of an entry, -1 without one
};

std::vector<Line> ParseLines(const QByteArray &content, TextEncoding encoding)
{
    std::vector<Line> lines;
    qsizetype pos = 0;
    const qsizetype size = content.size();
    if (content.startsWith(kBom))
        pos = 3;
    while (pos < size) {
        while (pos < size && IsBreak(content[pos]))
            ++pos;
        if (pos >= size)
            break;
        Line line;
        line.begin = pos;
        while (pos < size && !IsBreak(content[pos]))
            ++pos;
        line.end = pos;
        const QString text = Trim(Decode(QByteArrayView(content).sliced(line.begin, line.end - line.begin), encoding));
        if (text.isEmpty()) {
            line.kind = LineKind::Blank;
        } else if (text.startsWith(u'[')) {
            line.kind = LineKind::Header;
            const qsizetype close = text.lastIndexOf(u']');
            line.name = Trim(close > 0 ? text.mid(1, close - 1) : text.mid(1));
        } else if (text.startsWith(u';')) {
            line.kind = LineKind::Comment;
        } else {
            line.kind = LineKind::Entry;
            // "=" is a single byte that never occurs inside a multi-byte character of either
            // encoding, so its byte offset and its character offset name the same split.
            const qsizetype equalsChar = text.indexOf(u'=');
            if (equalsChar < 0) {
                line.name = text;
            } else {
                line.name = Trim(text.left(equalsChar));
                line.value = Trim(text.mid(equalsChar + 1));
                line.equals = content.indexOf('=', line.begin);
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// Index of the header of the first section named `section`, or -1.
qsizetype FindSection(const std::vector<Line> &lines, const QString &section)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Header && SameName(lines[i].name, section))
            return qsizetype(i);
    }
    return -1;
}

// Index of the first entry named `key` in the section whose header is at `header`, or -1.
qsizetype FindKey(const std::vector<Line> &lines, qsizetype header, const QString &key)
{
    for (size_t i = size_t(header) + 1; i < lines.size() && lines[i].kind != LineKind::Header; ++i) {
        if (lines[i].kind == LineKind::Entry && SameName(lines[i].name, key))
            return qsizetype(i);
    }
    return -1;
}

QString Unquote(const QString &value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

QString Truncate(const QString &value)
{
    if (value.size() <= kMaxProfileValue)
        return value;
    qsizetype length = kMaxProfileValue;
    // Never cut a character in two.
    if (value[length - 1].isHighSurrogate())
        --length;
    return value.left(length);
}

// The line break the file already uses; CR LF for a file without one.
QByteArray LineBreakOf(const QByteArray &content)
{
    const qsizetype at = content.indexOf('\n');
    const qsizetype cr = content.indexOf('\r');
    if (cr >= 0 && (at < 0 || cr < at))
        return (cr + 1 < content.size() && content[cr + 1] == '\n') ? QByteArray("\r\n") : QByteArray("\r");
    if (at >= 0)
        return QByteArray("\n");
    return QByteArray("\r\n");
}

} // namespace

TextEncoding DetectEncoding(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes); // the decoding runs on conversion to QString
    return decoder.hasError() ? TextEncoding::ShiftJis : TextEncoding::Utf8;
}

QString FindProfileValue(const QByteArray &content, const QString &section, const QString &key)
{
    const std::vector<Line> lines = ParseLines(content, DetectEncoding(content));
    const qsizetype header = FindSection(lines, Trim(section));
    if (header < 0)
        return {};
    const qsizetype entry = FindKey(lines, header, Trim(key));
    if (entry < 0)
        return {};
    return Trim(Truncate(Unquote(lines[size_t(entry)].value)));
}

namespace
{

ProfileEdit EditInEncoding(
    QByteArray &content, TextEncoding encoding, const QString &section, const QString &key, const QString &value)
{
    const QString sectionName = Trim(section);
    const QString keyName = Trim(key);
    const QString newValue = Trim(value);
    const std::vector<Line> lines = ParseLines(content, encoding);

    const std::optional<QByteArray> valueBytes = Encode(newValue, encoding);
    if (!valueBytes)
        return ProfileEdit::Unencodable;

    const qsizetype header = FindSection(lines, sectionName);
    if (header >= 0) {
        const qsizetype entry = FindKey(lines, header, keyName);
        if (entry >= 0) {
            const Line &line = lines[size_t(entry)];
            if (line.value == newValue)
                return ProfileEdit::Unchanged;
            if (line.equals >= 0) {
                // Keep the line up to its "=" (indentation and the file's spelling of the key).
                content.replace(line.equals + 1, line.end - line.equals - 1, *valueBytes);
            } else {
                qsizetype end = line.end;
                while (end > line.begin && IsBlankByte(content[end - 1]))
                    --end;
                content.replace(end, line.end - end, '=' + *valueBytes);
            }
            return ProfileEdit::Changed;
        }
        const std::optional<QByteArray> keyBytes = Encode(keyName, encoding);
        if (!keyBytes)
            return ProfileEdit::Unencodable;
        // After the last non-blank line of the section, so that a blank line separating it from
        // the next section stays where it is.
        qsizetype last = header;
        for (size_t i = size_t(header) + 1; i < lines.size() && lines[i].kind != LineKind::Header; ++i) {
            if (lines[i].kind != LineKind::Blank)
                last = qsizetype(i);
        }
        content.insert(lines[size_t(last)].end, LineBreakOf(content) + *keyBytes + '=' + *valueBytes);
        return ProfileEdit::Changed;
    }

    const std::optional<QByteArray> keyBytes = Encode(keyName, encoding);
    const std::optional<QByteArray> sectionBytes = Encode(sectionName, encoding);
    if (!keyBytes || !sectionBytes)
        return ProfileEdit::Unencodable;
    const QByteArray lineBreak = LineBreakOf(content);
    if (!content.isEmpty() && !IsBreak(content.back()))
        content += lineBreak;
    content += '[' + *sectionBytes + ']' + lineBreak + *keyBytes + '=' + *valueBytes + lineBreak;
    return ProfileEdit::Changed;
}

// `content` in UTF-8, decoded line by line from Shift_JIS; line breaks and a leading byte order
// mark kept as they are.
QByteArray ShiftJisToUtf8(const QByteArray &content)
{
    QByteArray out;
    out.reserve(content.size() + content.size() / 2);
    qsizetype pos = content.startsWith(kBom) ? 3 : 0;
    out += content.left(pos);
    while (pos < content.size()) {
        qsizetype end = pos;
        while (end < content.size() && !IsBreak(content[end]))
            ++end;
        out += Decode(QByteArrayView(content).sliced(pos, end - pos), TextEncoding::ShiftJis).toUtf8();
        while (end < content.size() && IsBreak(content[end]))
            out += content[end++];
        pos = end;
    }
    return out;
}

} // namespace

ProfileEdit SetProfileValue(QByteArray &content, const QString &section, const QString &key, const QString &value)
{
    const TextEncoding encoding = DetectEncoding(content);
    QByteArray edited = content;
    const ProfileEdit edit = EditInEncoding(edited, encoding, section, key, value);
    if (edit != ProfileEdit::Changed)
        return edit;
    // Replacing the last bytes that are not UTF-8 would make the rest of a Shift_JIS file read as
    // UTF-8 from then on, and every other non-ASCII value with it. Such a file becomes UTF-8 whole.
    if (encoding == TextEncoding::ShiftJis && DetectEncoding(edited) == TextEncoding::Utf8)
        edited = ShiftJisToUtf8(edited);
    content = edited;
    return ProfileEdit::Changed;
}

} // namespace kalmora::platform
