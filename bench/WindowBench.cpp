// The main window on the offscreen platform over a league of 999, 9,999 and
// 99,999 games: start-up to the first table (the Schedule tab), the switch
// from Teams to Schedule, and Update OK on one game with the table shown
// again; and a player tab of up to 9,999 players. The start-up is also timed as a whole process (this program
// run with --show DIR), which gives its processor time and peak memory.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <memory>

#include <QApplication>
#include <QTabBar>

#include "BenchData.h"
#include "BenchProcess.h"
#include "schedule/GameForm.h"
#include "ui/AppWindows.h"

namespace {

const std::string& LeagueDir(int games) { return scv::bench::ScheduleLeagueDir(games); }

// Shows the window and waits until it has painted.
void ShowAndPaint(scv::AppWindows& windows) {
  windows.Show();
  QCoreApplication::processEvents();
  benchmark::DoNotOptimize(windows.window.grab());
}

void Paint(scv::AppWindows& windows) {
  QCoreApplication::processEvents();
  benchmark::DoNotOptimize(windows.window.grab());
}

void StartUp(benchmark::State& state) {
  const QString dir = QString::fromStdString(LeagueDir(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    auto windows = std::make_unique<scv::AppWindows>(dir);
    ShowAndPaint(*windows);
    state.PauseTiming();
    windows.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(StartUp)->Arg(999)->Arg(9999)->Arg(99999)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

std::string ThisProgram() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

void StartUpProcess(benchmark::State& state) {
  scv::bench::TimeRuns(state, {ThisProgram(), "--show", LeagueDir(static_cast<int>(state.range(0)))});
}
BENCHMARK(StartUpProcess)->Arg(999)->Arg(9999)->Arg(99999)->UseManualTime()->Unit(benchmark::kMillisecond);

// Times the switch from the Teams tab to `tab`, painted; before runs
// untimed before each switch.
void TimeSwitch(benchmark::State& state, scv::AppWindows& windows, int tab,
                const std::function<void()>& before) {
  QTabBar* tabs = windows.window.BottomTab();
  for (auto _ : state) {
    state.PauseTiming();
    tabs->setCurrentIndex(scv::TeamsTab);
    Paint(windows);
    if (before) before();
    state.ResumeTiming();
    tabs->setCurrentIndex(tab);
    Paint(windows);
  }
}

void TabSwitch(benchmark::State& state) {
  scv::AppWindows windows(QString::fromStdString(LeagueDir(static_cast<int>(state.range(0)))));
  ShowAndPaint(windows);
  TimeSwitch(state, windows, scv::ScheduleTab, nullptr);
}
BENCHMARK(TabSwitch)->Arg(999)->Arg(9999)->Arg(99999)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// The Players tab of a team of 99, 999 and 9,999 players, shown from the
// Teams tab with the figures derived anew (as after a player was changed).
void PlayerTab(benchmark::State& state) {
  const std::string dir = scv::bench::NewBenchDir();
  scv::bench::LeagueSize size;
  size.players = static_cast<int>(state.range(0));
  scv::bench::WriteLeague(dir, size);
  scv::AppWindows windows(QString::fromStdString(dir));
  ShowAndPaint(windows);
  TimeSwitch(state, windows, scv::PlayersTab, [&windows] { windows.form->tables.Cache.Invalidate(); });
}
BENCHMARK(PlayerTab)->Arg(99)->Arg(999)->Arg(9999)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// The game window, closed with OK after the home score was changed.
class ScoreChanger : public scv::GameFormView {
 public:
  int score = 0;
  void SetCaption(const std::string&) override {}
  void SetText(Box box, const std::string& text) override { text_[box] = text; }
  std::string Text(Box box) const override { return text_[box]; }
  void SetPm(bool pm) override { pm_ = pm; }
  bool Pm() const override { return pm_; }
  void SetRow(int, const std::string&, const std::string&) override {}
  void SetMakeEnabled(bool) override {}
  void FocusYear() override {}
  void FocusOk() override {}
  scv::GameResult Exec() override {
    text_[EditHTS] = std::to_string(++score % 20);
    presenter->OkButtonClick();
    return result_;
  }
  void Close(scv::GameResult result) override { result_ = result; }
  scv::GameFormPresenter* presenter = nullptr;

 private:
  std::array<std::string, BoxCount> text_;
  bool pm_ = false;
  scv::GameResult result_ = scv::GameResult::Cancel;
};

void UpdateOk(benchmark::State& state) {
  const QString dir = QString::fromStdString(LeagueDir(static_cast<int>(state.range(0))));
  scv::AppWindows windows(dir);
  ShowAndPaint(windows);
  ScoreChanger view;
  scv::GameFormPresenter presenter(windows.store, windows.form->tables, windows.form->scheduleListBox, view,
                                   windows.messages, windows.help);
  view.presenter = &presenter;
  for (auto _ : state) {
    presenter.Run();
    Paint(windows);
  }
}
BENCHMARK(UpdateOk)->Arg(999)->Arg(9999)->Arg(99999)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// --show DIR: the window opened on DIR, its first table painted, and out.
int ShowOnce(int argc, char** argv) {
  QApplication app(argc, argv);
  scv::AppWindows windows(QString::fromLocal8Bit(argv[2]));
  ShowAndPaint(windows);
  return 0;
}

// The offscreen platform complains of every window it cannot size; the
// benchmarks' own report is what counts.
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.contains(QLatin1String("propagateSizeHints"))) return;
  qt_message_output(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietPlatform);
  if (argc == 3 && std::string(argv[1]) == "--show") return ShowOnce(argc, argv);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
