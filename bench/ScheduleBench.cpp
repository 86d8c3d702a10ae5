// The schedule maker at the largest league it serves: 20 teams and 20,000
// field times becoming games (with the clash check that follows), and the
// field-time window listing one field's 20,000 times.
#include <benchmark/benchmark.h>

#include <QDate>

#include "BenchData.h"
#include "BenchMessages.h"
#include "schedule/FieldTimes.h"
#include "schedule/ScheduleMaker.h"
#include "store/DataStore.h"

namespace {

constexpr int kTeams = 20;
constexpr int kFields = 10;
constexpr int kTimes = 20000;

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

// Make as the game window's button runs it, over 200, 2,000 and 20,000
// times; the games list is emptied between runs, untimed.
void MakeSchedule(benchmark::State& state) {
  const int times = static_cast<int>(state.range(0));
  const std::string dir = scv::bench::NewBenchDir();
  scv::bench::LeagueSize size;
  size.teams = kTeams;
  size.fields = kFields;
  size.times = times;
  scv::bench::WriteLeague(dir, size);
  scv::bench::QuietMessages messages;
  scv::DataStore store(QString::fromStdString(dir), &messages);
  store.LoadYears();
  BlindMakeForm makeView;
  scv::AddingFieldForm fieldView;
  scv::MakeFormPresenter makeForm(store, makeView, messages);
  scv::FieldFormPresenter fieldForm(store, fieldView, &makeForm, messages);
  fieldView.presenter = &fieldForm;
  scv::ScheduleMaker maker(store, fieldForm, messages);
  for (auto _ : state) {
    state.PauseTiming();
    store.Games.resize(1);
    state.ResumeTiming();
    if (!maker.MakeButtonClick() || store.Games.size() != static_cast<size_t>(times) + 1)
      state.SkipWithError("no schedule made");
  }
  state.SetItemsProcessed(state.iterations() * times);
}
BENCHMARK(MakeSchedule)->Arg(200)->Arg(2000)->Arg(kTimes)->Unit(benchmark::kMillisecond);

// The field-time window's refresh over one field that has every time.
void ListFieldTimes(benchmark::State& state) {
  scv::bench::QuietMessages messages;
  scv::DataStore store(QString::fromStdString(scv::bench::NewBenchDir()), &messages);
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
