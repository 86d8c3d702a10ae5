// The QKT import against the least any import must do: reading the file's
// bytes and splitting its lines once.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "BenchData.h"
#include "BenchMessages.h"
#include "import/IniFile.h"
#include "import/QktImport.h"
#include "store/DataStore.h"
#include "store/ListFile.h"
#include "tables/Tables.h"

namespace {

constexpr size_t kQktBytes = 10u << 20;

using scv::bench::QuietMessages;

// The generated file and its notes, made once. SCV_BENCH_DIR chooses where
// (the data directories of the import go there too); by default the system's
// temporary directory.
const QString& QktFile() {
  static QTemporaryDir dir(qEnvironmentVariable("SCV_BENCH_DIR", QDir::tempPath()) + "/scv-bench-XXXXXX");
  static const QString path = [] {
    const QString file = dir.filePath("Bench.QKT");
    const std::string notes = dir.path().toStdString();
    scv::bench::WriteBytes(file.toStdString(), scv::bench::MakeQkt(kQktBytes, notes));
    return file;
  }();
  return path;
}

void ReadAndSplitLines(benchmark::State& state) {
  const QString path = QktFile();
  for (auto _ : state) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("cannot read the QKT file");
    const QByteArray bytes = file.readAll();
    const scv::List lines =
        scv::SplitLines(std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
    benchmark::DoNotOptimize(lines.data());
    state.SetBytesProcessed(state.bytes_processed() + bytes.size());
  }
}
BENCHMARK(ReadAndSplitLines)->Unit(benchmark::kMillisecond);

// The import's reader alone: the file read and every key put into its table.
void ReadQktFile(benchmark::State& state) {
  const QString path = QktFile();
  for (auto _ : state) {
    scv::IniFile ini;
    QString error;
    if (!ini.Load(path, error)) state.SkipWithError("cannot read the QKT file");
    benchmark::DoNotOptimize(ini.SectionNames().data());
    state.SetBytesProcessed(state.bytes_processed() + static_cast<int64_t>(ini.Size()));
  }
}
BENCHMARK(ReadQktFile)->Unit(benchmark::kMillisecond);

// The import as the menu command runs it, into an empty data directory; the
// lists it moves past are written on the way, as in the program.
void ImportQkt(benchmark::State& state) {
  const QString path = QktFile();
  const QString root = QFileInfo(path).absolutePath();
  int run = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const QString data = root + "/data" + QString::number(++run);
    QDir(data).removeRecursively();
    QDir().mkpath(data);
    QuietMessages messages;
    scv::DataStore store(data, &messages);
    store.LoadYears();
    scv::NullProgress progress;
    state.ResumeTiming();
    if (scv::ImportQkt(store, path, messages, progress) != scv::ImportResult::Imported || messages.errors)
      state.SkipWithError("the import failed");
    state.PauseTiming();
    QDir(data).removeRecursively();
    state.ResumeTiming();
    state.SetBytesProcessed(state.bytes_processed() + QFileInfo(path).size());
  }
}
BENCHMARK(ImportQkt)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
