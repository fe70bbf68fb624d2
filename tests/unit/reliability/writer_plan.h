#pragma once
// What the writer helper writes, shared by the helper and the tests that check its files: every
// value a writer ever writes can be told from its key and its round, so a reader can decide
// whether a value it finds is one that was written, and by whom.

#include <QString>
#include <QStringList>
#include <optional>

namespace kalmora::reliability
{

// The writers: the maker's ten project keys and the viewer's window position in one project
// file, the maker's and the viewer's keys of KALMORA.ini, and a single writer that goes round the
// ten project keys one write at a time.
enum class Writer { ProjectMaker, ProjectViewer, IniMaker, IniViewer, ProjectCycle };

std::optional<Writer> WriterNamed(const QString &name);
QString WriterName(Writer writer);

struct KeyRef {
    QString section;
    QString key;
};

// The keys `writer` writes, in the order of one round.
QList<KeyRef> KeysOf(Writer writer);

// The value `writer` writes to its key number `keyIndex` in round `round`.
QString PlannedValue(Writer writer, int keyIndex, int round);

// The round in which `writer` writes `value` to key number `keyIndex`, or nothing when it never
// writes that value there.
std::optional<int> RoundOf(Writer writer, int keyIndex, const QString &value);

// The project written to by the project writers.
inline const QString kProjectName = QStringLiteral("両方");

} // namespace kalmora::reliability
