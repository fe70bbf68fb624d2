// Writes planned values through the store, as one of the two programs does:
//
//   profile_writer <application folder> <writer> <first round> <end round>
//
// It prints "ready" before its first write and "<round> <key index>" after each write that reports
// success, each on its own line and unbuffered, so that a test that kills it knows which writes
// were done. Exits 1 at the first failed write.

#include "store/app_files.h"
#include "writer_plan.h"

#include <QString>

#include <cstdio>
#include <unistd.h>

using namespace kalmora::reliability;

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <application folder> <writer> <first round> <end round>\n", argv[0]);
        return 2;
    }
    const QString appDir = QString::fromLocal8Bit(argv[1]);
    const std::optional<Writer> writer = WriterNamed(QString::fromLatin1(argv[2]));
    const int first = QByteArray(argv[3]).toInt();
    const int end = QByteArray(argv[4]).toInt();
    if (!writer) {
        std::fprintf(stderr, "unknown writer %s\n", argv[2]);
        return 2;
    }
    const QList<KeyRef> keys = KeysOf(*writer);
    // Loaded and about to write: a test that kills this process times its kill from here.
    if (::write(STDOUT_FILENO, "ready\n", 6) != 6)
        return 1;
    const bool project = *writer != Writer::IniMaker && *writer != Writer::IniViewer;
    for (int round = first; round < end; ++round) {
        for (int k = 0; k < keys.size(); ++k) {
            // The cycling writer makes one write per round, to the key the round names.
            if (*writer == Writer::ProjectCycle && k != round % keys.size())
                continue;
            const QString value = PlannedValue(*writer, k, round);
            const bool ok = project
                ? kalmora::store::WriteProjectValue(appDir, kProjectName, keys[k].section, keys[k].key, value)
                : kalmora::store::WriteIni(appDir, keys[k].section, keys[k].key, value);
            if (!ok) {
                std::fprintf(stderr, "write %d %d failed\n", round, k);
                return 1;
            }
            char line[32];
            const int length = std::snprintf(line, sizeof line, "%d %d\n", round, k);
            if (::write(STDOUT_FILENO, line, size_t(length)) != length)
                return 1;
        }
    }
    return 0;
}
