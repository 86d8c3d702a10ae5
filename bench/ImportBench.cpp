// The QKT import against the least any import must do: reading the file's
// bytes and splitting its lines once.
#include <benchmark/benchmark.h>

#include <map>

#include <QDir>
#include <QFile>

#include "BenchData.h"
#include "BenchMessages.h"
#include "import/IniFile.h"
#include "import/QktImport.h"
#include "store/DataStore.h"
#include "store/ListFile.h"
#include "tables/Tables.h"

namespace {

using scv::bench::QuietMessages;

// The generated file of about `kb` kilobytes and its notes, made once.
// SCV_BENCH_DIR chooses where (the data directories of the import go there
// too); by default the system's temporary directory.
QString QktFile(int64_t kb) {
  static std::map<int64_t, QString> files;
  QString& path = files[kb];
  if (path.isEmpty()) {
    const std::string dir = scv::bench::NewBenchDir();
    scv::bench::WriteBytes(dir + "/Bench.QKT", scv::bench::MakeQkt(static_cast<size_t>(kb) << 10, dir));
    path = QString::fromStdString(dir + "/Bench.QKT");
  }
  return path;
}

// 0.1, 1 and 10 MB.
void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(102)->Arg(1024)->Arg(10240)->Unit(benchmark::kMillisecond);
}

void ReadAndSplitLines(benchmark::State& state) {
  const QString path = QktFile(state.range(0));
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
BENCHMARK(ReadAndSplitLines)->Apply(Sizes);

// The import's reader alone: the file read and every key put into its table.
void ReadQktFile(benchmark::State& state) {
  const QString path = QktFile(state.range(0));
  for (auto _ : state) {
    scv::IniFile ini;
    QString error;
    if (!ini.Load(path, error)) state.SkipWithError("cannot read the QKT file");
    benchmark::DoNotOptimize(ini.SectionNames().data());
    state.SetBytesProcessed(state.bytes_processed() + static_cast<int64_t>(ini.Size()));
  }
}
BENCHMARK(ReadQktFile)->Apply(Sizes);

// The import into an empty data directory; the lists it moves past are
// written on the way, as in the program. Each run has a directory of its
// own, kept until the program ends: a file system that has just deleted
// thousands of files is slower to create new ones, and that is no cost of
// the import's.
void Import(benchmark::State& state, bool save) {
  const QString path = QktFile(state.range(0));
  const QString root = QString::fromStdString(scv::bench::NewBenchDir());
  int run = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const QString data = root + "/data" + QString::number(++run);
    QDir().mkpath(data);
    QuietMessages messages;
    scv::DataStore store(data, &messages);
    store.LoadYears();
    scv::NullProgress progress;
    state.ResumeTiming();
    if (scv::ImportQkt(store, path, messages, progress) != scv::ImportResult::Imported || messages.errors)
      state.SkipWithError("the import failed");
    if (save && !store.SaveAll()) state.SkipWithError("the save failed");
    state.SetBytesProcessed(state.bytes_processed() + QFileInfo(path).size());
  }
}

// As the menu command runs it.
void ImportQkt(benchmark::State& state) { Import(state, false); }
BENCHMARK(ImportQkt)->Apply(Sizes);

// As the import command runs it: the import, then Save Data, which brings
// the new lists to the disk before the years file names them.
void ImportQktAndSave(benchmark::State& state) { Import(state, true); }
BENCHMARK(ImportQktAndSave)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
