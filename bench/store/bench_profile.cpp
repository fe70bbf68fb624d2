// Reading a project and writing one value, each next to its floor: the same file read once
// with QFile, and a bare write-and-rename of the same bytes.

#include "platform/profile_file.h"
#include "store/app_files.h"
#include "store/project_settings.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{

using namespace kalmora;

struct Project {
    QTemporaryDir dir;
    Project()
    {
        for (const char *key : store::kProjectKeys)
            store::WriteProjectValue(dir.path(), QStringLiteral("p"), QStringLiteral("Settings"), QLatin1String(key),
                QStringLiteral("16777215"));
    }
    QString path() const { return store::ProjectFilePath(dir.path(), QStringLiteral("p")); }
};

void FloorReadFileOnce(benchmark::State &state)
{
    Project project;
    for (auto _ : state) {
        QFile file(project.path());
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}
BENCHMARK(FloorReadFileOnce);

// Ten values, each read on its own: the viewer loading a project.
void ReadProjectSettings(benchmark::State &state)
{
    Project project;
    for (auto _ : state)
        benchmark::DoNotOptimize(store::ReadProjectSettings(project.dir.path(), QStringLiteral("p")));
}
BENCHMARK(ReadProjectSettings);

void FloorSaveFile(benchmark::State &state)
{
    Project project;
    QFile source(project.path());
    source.open(QIODevice::ReadOnly);
    const QByteArray bytes = source.readAll();
    for (auto _ : state) {
        QSaveFile file(project.path());
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.commit();
    }
}
BENCHMARK(FloorSaveFile);

// The viewer writing its window position after a drag: a changed value, then the same again.
void WriteChangedValue(benchmark::State &state)
{
    Project project;
    int value = 0;
    for (auto _ : state)
        platform::WriteProfileString(project.path(), "Settings", "VXX", QString::number(++value));
}
BENCHMARK(WriteChangedValue);

void WriteSameValue(benchmark::State &state)
{
    Project project;
    for (auto _ : state)
        platform::WriteProfileString(project.path(), "Settings", "VXX", "16777215");
}
BENCHMARK(WriteSameValue);

} // namespace

BENCHMARK_MAIN();
