// Fuzzes the profile-file reader and writer on real files.
//
// One input is the starting content of a file (any bytes) followed by a few writes, each naming
// a section, a key and a value drawn from characters that matter to the file format. After every
// write it checks:
//   - a write that reports success is read back as the value written (as reading presents it:
//     trimmed, unquoted, cut to 510 characters);
//   - a write changes no other key's value, whether it succeeds or not;
//   - a write that fails leaves the file byte for byte as it was;
//   - no temporary file is left beside the file.
// Crashes, hangs, memory errors and undefined behaviour are caught by libFuzzer and the
// sanitizers.

#include "platform/profile_file.h"
#include "platform/profile_text.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace
{

using kalmora::platform::FindProfileValue;
using kalmora::platform::ReadProfileString;
using kalmora::platform::WriteProfileString;

// Characters that mean something to the format or to its encodings: blanks, quotes, brackets,
// "=", ";", line breaks, a byte order mark, full-width and Shift_JIS-only text, a character
// outside Shift_JIS, a surrogate pair.
const QList<QString> kAlphabet = {
    QStringLiteral("a"),
    QStringLiteral("B"),
    QStringLiteral("z"),
    QStringLiteral("0"),
    QStringLiteral("-"),
    QStringLiteral(" "),
    QStringLiteral("\t"),
    QStringLiteral("\""),
    QStringLiteral("'"),
    QStringLiteral("["),
    QStringLiteral("]"),
    QStringLiteral("="),
    QStringLiteral(";"),
    QStringLiteral("\\"),
    QStringLiteral("\r"),
    QStringLiteral("\n"),
    QString(QChar(0)),
    QString(QChar(0xFEFF)),
    QString(QChar(0x3000)),
    QStringLiteral("空"),
    QStringLiteral("豆"),
    QStringLiteral("ｶ"),
    QStringLiteral("表"), // its second Shift_JIS byte is "\"
    QStringLiteral("é"),
    QStringLiteral("€"),
    QStringLiteral("😀"),
};

const QList<QString> kNames = {
    QStringLiteral("Settings"),
    QStringLiteral("settings"),
    QStringLiteral(" PKA "),
    QStringLiteral("pka"),
    QStringLiteral("VXX"),
    QStringLiteral("Location"),
    QStringLiteral(""),
    QStringLiteral("a"),
};

QString Text(FuzzedDataProvider &data, size_t maxLength)
{
    if (data.ConsumeIntegralInRange<int>(0, 7) == 0) {
        const std::string raw = data.ConsumeRandomLengthString(maxLength);
        return QString::fromUtf8(raw.data(), qsizetype(raw.size()));
    }
    const size_t length = data.ConsumeIntegralInRange<size_t>(0, maxLength);
    QString text;
    for (size_t i = 0; i < length && data.remaining_bytes() > 0; ++i)
        text += kAlphabet[data.ConsumeIntegralInRange<qsizetype>(0, kAlphabet.size() - 1)];
    return text;
}

QString Name(FuzzedDataProvider &data)
{
    if (data.ConsumeBool())
        return kNames[data.ConsumeIntegralInRange<qsizetype>(0, kNames.size() - 1)];
    return Text(data, 6);
}

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}

QString TrimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// Names are the same when they match after trimming, ignoring ASCII case only.
bool SameName(const QString &a, const QString &b)
{
    const QString x = TrimBlanks(a);
    const QString y = TrimBlanks(b);
    if (x.size() != y.size())
        return false;
    for (qsizetype i = 0; i < x.size(); ++i) {
        char16_t p = x[i].unicode();
        char16_t q = y[i].unicode();
        if (p >= u'A' && p <= u'Z')
            p += 32;
        if (q >= u'A' && q <= u'Z')
            q += 32;
        if (p != q)
            return false;
    }
    return true;
}

// What a read returns after `value` was written.
QString ExpectedRead(const QString &value)
{
    QString v = TrimBlanks(value);
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    if (v.size() > kalmora::platform::kMaxProfileValue) {
        qsizetype length = kalmora::platform::kMaxProfileValue;
        if (v[length - 1].isHighSurrogate())
            --length;
        v = v.left(length);
    }
    return TrimBlanks(v);
}

// Section and key names worth checking in a file: those of the lines that look like a header or
// an entry, beside the names the writes use.
void CollectNames(const QByteArray &content, QList<QString> &sections, QList<QString> &keys)
{
    const QList<QByteArray> lines = QByteArray(content).replace('\r', '\n').split('\n');
    for (const QByteArray &raw : lines) {
        const QString line = TrimBlanks(QString::fromUtf8(raw));
        if (line.startsWith(u'[')) {
            const qsizetype close = line.lastIndexOf(u']');
            if (sections.size() < 12)
                sections.append(close > 0 ? line.mid(1, close - 1) : line.mid(1));
        } else if (line.contains(u'=') && keys.size() < 16) {
            keys.append(line.left(line.indexOf(u'=')));
        }
    }
}

// Keeps one name of each group that reads as the same name, at most `most` names.
void Deduplicate(QList<QString> &names, qsizetype most)
{
    QList<QString> kept;
    for (const QString &name : names) {
        if (kept.size() == most)
            break;
        if (std::none_of(kept.begin(), kept.end(), [&](const QString &k) { return SameName(k, name); }))
            kept.append(name);
    }
    names = kept;
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

[[noreturn]] void Fail(const char *what, const QString &section, const QString &key, const QString &detail)
{
    std::fprintf(stderr, "PROPERTY VIOLATED: %s\n  section [%s] key [%s]\n  %s\n", what, qPrintable(section),
        qPrintable(key), qPrintable(detail));
    std::abort();
}

QString Folder()
{
    // Memory-backed when the system has it: the writer syncs every file it replaces.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
            ? QStringLiteral("/dev/shm/kalmora-fuzz-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/kalmora-fuzz-XXXXXX"));
    if (!dir.isValid())
        std::abort();
    return dir.path();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QString folder = Folder();
    const QString path = folder + QStringLiteral("/p.ini");

    const int writes = data.ConsumeIntegralInRange<int>(1, 4);
    struct Write {
        QString section, key, value;
    };
    QList<Write> plan;
    for (int i = 0; i < writes; ++i) {
        Write w;
        w.section = Name(data);
        w.key = Name(data);
        w.value = Text(data, data.ConsumeIntegralInRange<int>(0, 15) == 0 ? 600 : 12);
        plan.append(w);
    }
    const std::string initial = data.ConsumeRemainingBytesAsString();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(initial.data(), qint64(initial.size()));
    }

    // The names written first, then those of the file, then a few common ones: a read decodes
    // the whole file, so the number of names checked decides the speed of the fuzzer.
    QList<QString> sections;
    QList<QString> keys;
    for (const Write &w : plan) {
        sections.append(w.section);
        keys.append(w.key);
    }
    CollectNames(QByteArray::fromStdString(initial), sections, keys);
    sections += kNames;
    keys += kNames;
    Deduplicate(sections, 8);
    Deduplicate(keys, 10);

    // The values of every checked name as the file holds them now; a read decodes the whole
    // file, so what one write leaves is kept as what the next one starts from.
    const auto valuesOf = [&](const QByteArray &bytes) {
        QList<QString> values;
        for (const QString &s : sections) {
            for (const QString &k : keys)
                values.append(FindProfileValue(bytes, s, k));
        }
        return values;
    };
    QByteArray before = ReadBytes(path);
    QList<QString> valuesBefore = valuesOf(before);
    for (const Write &w : plan) {
        const bool ok = WriteProfileString(path, w.section, w.key, w.value);
        const QByteArray after = ReadBytes(path);

        if (!ok && after != before)
            Fail("a failed write changed the file", w.section, w.key, w.value);
        if (ok) {
            const QString read = ReadProfileString(path, w.section, w.key);
            if (read != ExpectedRead(w.value))
                Fail("a write is not read back", w.section, w.key,
                    QStringLiteral("wrote <%1>, read <%2>").arg(w.value, read));
        }
        if (after != before) {
            const QList<QString> valuesAfter = valuesOf(after);
            qsizetype i = 0;
            for (const QString &s : sections) {
                for (const QString &k : keys) {
                    const QString &was = valuesBefore[i];
                    const QString &is = valuesAfter[i];
                    ++i;
                    if (was != is && !(SameName(s, w.section) && SameName(k, w.key)))
                        Fail("a write changed another key", s, k,
                            QStringLiteral("writing [%1] %2=<%3> changed <%4> to <%5>")
                                .arg(w.section, w.key, w.value, was, is));
                }
            }
            before = after;
            valuesBefore = valuesAfter;
        }
        const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
        if (left != QStringList { QStringLiteral("p.ini") })
            Fail("files left beside the file", w.section, w.key, left.join(u','));
    }
    QFile::remove(path);
    return 0;
}
