// The schedule maker at the largest league it serves: 20 teams and 20,000
// field times becoming games (with the clash check that follows), and the
// field-time window listing one field's 20,000 times.
#include <benchmark/benchmark.h>

#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include "BenchData.h"
#include "BenchMessages.h"
#include "schedule/FieldTimes.h"
#include "schedule/ScheduleMaker.h"
#include "store/DataStore.h"
#include "store/ListFile.h"

namespace {

constexpr int kTeams = 20;
constexpr int kFields = 10;
constexpr int kTimes = 20000;

// The field-selection window closed with "Add Games To Schedule".
class AddingFieldForm : public scv::FieldFormView {
 public:
  scv::FieldFormPresenter* presenter = nullptr;
  void GridChanged() override {}
  void FocusGrid() override {}
  bool Exec() override {
    ok_ = false;
    presenter->AddButtonClick();
    return ok_;
  }
  void Close(bool ok) override { ok_ = ok; }

 private:
  bool ok_ = false;
};

// A field-time window that is never looked at.
class BlindMakeForm : public scv::MakeFormView {
 public:
  void SetCaption(const std::string&) override {}
  void SetText(Box box, const std::string& text) override { text_[box] = text; }
  std::string Text(Box box) const override { return text_[box]; }
  void SetPm(bool) override {}
  bool Pm() const override { return true; }
  void SetEvery(bool) override {}
  bool Every() const override { return false; }
  void SetWeekday(int) override {}
  int Weekday() const override { return 0; }
  void SetEveryEnabled(bool) override {}
  void SetChangeDeleteEnabled(bool) override {}
  void GridChanged() override {}
  void FocusGrid() override {}
  void FocusStartYear() override {}
  void Exec() override {}

 private:
  std::array<std::string, BoxCount> text_;
};

// A league of kTeams teams and kFields fields, each field free at 10:00 and
// 18:30 every day until there are kTimes times.
void WriteLeague(const QString& dir) {
  const std::string root = dir.toStdString() + "/";
  const auto write = [&](const std::string& name, const scv::List& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    scv::bench::WriteBytes(root + name, bytes);
  };
  scv::bench::Rng rng(7);
  write("Baseball.Years", {"Y|0||1||||", "|2024|Season|1|"});
  write("Y1.Leagues", {"L|", "|1|Bench League|1||"});
  scv::List teams = {"T|"}, fields = {"F|"}, times;
  for (int k = 1; k <= kTeams; ++k)
    teams.push_back("|" + std::to_string(k) + "|" + scv::bench::TeamName(rng) + "|");
  for (int k = 1; k <= kFields; ++k)
    fields.push_back("|" + std::to_string(k) + "|" + scv::bench::PlaceName(rng) + "|");
  for (QDate day(2024, 4, 1); static_cast<int>(times.size()) < kTimes; day = day.addDays(1))
    for (const char* time : {"1000", "1830"})
      for (int f = 1; f <= kFields; ++f)
        times.push_back(day.toString(QStringLiteral("yyyyMMdd")).toStdString() + time + std::to_string(f));
  times.resize(kTimes);
  write("Y1L1.Teams", teams);
  write("Y1L1.Fields", fields);
  write("Y1L1.Times", times);
}

QString BenchDir() { return qEnvironmentVariable("SCV_BENCH_DIR", QDir::tempPath()) + "/scv-bench-XXXXXX"; }

// Make as the game window's button runs it; the games list is emptied
// between runs, untimed.
void MakeSchedule(benchmark::State& state) {
  QTemporaryDir dir(BenchDir());
  WriteLeague(dir.path());
  scv::bench::QuietMessages messages;
  scv::DataStore store(dir.path(), &messages);
  store.LoadYears();
  BlindMakeForm makeView;
  AddingFieldForm fieldView;
  scv::MakeFormPresenter makeForm(store, makeView, messages);
  scv::FieldFormPresenter fieldForm(store, fieldView, &makeForm, messages);
  fieldView.presenter = &fieldForm;
  scv::ScheduleMaker maker(store, fieldForm, messages);
  for (auto _ : state) {
    state.PauseTiming();
    store.Games.resize(1);
    state.ResumeTiming();
    if (!maker.MakeButtonClick() || store.Games.size() != kTimes + 1) state.SkipWithError("no schedule made");
  }
  state.SetItemsProcessed(state.iterations() * kTimes);
}
BENCHMARK(MakeSchedule)->Unit(benchmark::kMillisecond);

// The field-time window's refresh over one field that has every time.
void ListFieldTimes(benchmark::State& state) {
  QTemporaryDir dir(BenchDir());
  scv::bench::QuietMessages messages;
  scv::DataStore store(dir.path(), &messages);
  QDate day(2024, 4, 1);
  for (int k = 0; k < kTimes; k += 2, day = day.addDays(1))
    for (const char* time : {"1000", "1830"})
      store.Times.push_back(day.toString(QStringLiteral("yyyyMMdd")).toStdString() + time + "1");
  BlindMakeForm view;
  scv::MakeFormPresenter makeForm(store, view, messages);
  makeForm.CurrentField = "1";
  for (auto _ : state) makeForm.Refresh();
  state.SetItemsProcessed(state.iterations() * kTimes);
}
BENCHMARK(ListFieldTimes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
