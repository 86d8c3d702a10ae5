// Data edited by hand, cut short or carried in from elsewhere, over the whole
// program: the main window's tables, commands and dialogs, the print of
// every table, the notes window and every command of the command line run
// over each damaged directory without a crash or a hang (the sanitizer build
// runs this too), show what can be shown, and change no list they were not
// asked to change.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <functional>

#include "cli/CommandLine.h"
#include "notes/NoteFakes.h"
#include "notes/NoteForm.h"
#include "print/TablePrint.h"
#include "schedule/GameForm.h"
#include "shell/MainForm.h"
#include "support/CliRun.h"
#include "support/CountingEngine.h"
#include "support/GameFakes.h"
#include "support/HostileData.h"
#include "support/MainFakes.h"
#include "support/TempData.h"

namespace scv::test {
namespace {

using Files = std::map<std::string, std::string>;
using namespace std::string_literals;

CliResult Cli(const TempData& data, QStringList args) {
  args.prepend(data.Dir());
  args.prepend(QStringLiteral("--data-dir"));
  return RunCli(args);
}

// Every command of the main window over the directory, each dialog
// cancelled but the game window's; then Save writes the selection and the
// game, and no other list.
void RunMainWindow(const TempData& data) {
  FakeMainViews<> fakes;
  DataStore store(data.Dir(), &fakes.messages);
  MainForm form(store, fakes.Views());
  // The game window: each pick button used (its list cancelled), then OK.
  ScheduleListBox picker(store, form.pickList);
  FakeGameFormView game;
  GameFormPresenter gameForm(store, form.tables, picker, game, fakes.messages, fakes.help);
  int gameRuns = 0;
  form.OpenGameForm = [&] {
    ++gameRuns;
    game.script.push_back([&](FakeGameFormView&) {
      for (int slot = 0; slot < ScheduleListBox::SlotCount; ++slot) gameForm.PickButtonClick(slot);
      gameForm.OkButtonClick();
    });
    gameForm.Run();
  };
  const Files before = data.Snapshot();
  form.FormShow();
  for (int tab = TeamsTab; tab < TabCount; ++tab) {
    form.BottomTabClick(tab);
    for (int r = 0; r < form.grid.RowCount(); ++r)
      for (int c = 0; c < form.grid.ColCount(); ++c) form.grid.CellView(c, r);
    CountingEngine engine(40);  // the caption, a blank line, the headings, 37 rows
    QString error;
    TablePrint print(form.grid, PrintFontOf(store.tableFont), "caption",
                     {PrintLines::Both, PrintShading::Both, 1});
    EXPECT_TRUE(print.PrintCopies(engine, error));
    EXPECT_EQ(engine.pages, (form.grid.RowCount() - 2) / 37 + 1) << tab;
    form.TableSelectCell(1, form.grid.RowCount() - 1);
    form.UpdateButtonClick();
  }
  EXPECT_EQ(gameRuns, 1);
  form.YearButtonClick();
  form.LeagueButtonClick();
  form.TeamButtonClick();
  form.PlayerButtonClick();
  form.SaveItemClick();
  // A team line holds its current player: only that field may change.
  auto withoutSelection = [](const std::string& file, const std::string& bytes) {
    if (!file.ends_with(".Teams")) return bytes;
    List lines = SplitLines(bytes);
    for (std::string& line : lines) {
      TeamRecord team = ParseTeam(line);
      team.CurPlayer.clear();
      line = Compose(team);
    }
    return JoinLines(lines);
  };
  // The game window's OK stored its game; no other list is touched.
  for (const auto& [file, bytes] : data.Snapshot())
    if (file != "Baseball.Years" && file != "Y1.Leagues" && file != "Y1L1.Games")
      EXPECT_EQ(withoutSelection(file, bytes), withoutSelection(file, before.at(file))) << file << " changed";
}

TEST(HostileData, EveryPartOfTheProgramRunsOverDamagedFiles) {
  for (const HostileCase& c : HostileCases()) {
    SCOPED_TRACE(c.name);
    TempData data, backup;
    WriteSoundLeague(data);
    c.damage(data);

    std::string shown;
    for (const char* tab :
         {"teams", "players", "hitting", "running", "pitching", "fielding", "custom", "schedule"})
      for (const char* format : {"tsv", "csv", "html"}) {
        const CliResult run = Cli(data, {"export", tab, "--format", format});
        EXPECT_EQ(run.status, 0) << tab << " " << format << ": " << run.err;
        if (std::string_view(format) == "tsv") shown += run.out;
      }
    for (const std::string& text : c.shown) EXPECT_NE(shown.find(text), std::string::npos) << text;
    Cli(data, {"export", "schedule", "--format", "ics"});
    EXPECT_LE(Cli(data, {"check-schedule"}).status, 1);

    RunMainWindow(data);

    FakeNoteView view;
    FakeNotePrinter printer;
    NoteMessages noteMessages;
    FakeHelpView help;
    NoteFormPresenter notes(view, printer, noteMessages, help);
    notes.Open(data.Path("Y1L1T1.Notes"), {});

    const Files before = data.Snapshot();
    EXPECT_EQ(Cli(data, {"backup", backup.Dir()}).status, 0);
    // The copy is line by line: CR LF after every line.
    for (const auto& [file, bytes] : backup.Snapshot())
      EXPECT_EQ(bytes, JoinLines(SplitLines(before.at(file)))) << file;
    EXPECT_LE(Cli(data, {"make-schedule"}).status, 1);
  }
}

}  // namespace
}  // namespace scv::test
