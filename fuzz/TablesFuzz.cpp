// Every table over a data directory the input gives: the years, leagues,
// teams, two teams' players, games, fields and umpires files. Each tab is
// built and every cell read, the schedule also filtered, and each table
// exported in every format; then the game window shows the current game and
// stores it.
#include <cstddef>
#include <cstdint>

#include <QDateTime>

#include "FuzzInput.h"
#include "cli/Export.h"
#include "dialogs/PickList.h"
#include "schedule/GameForm.h"
#include "schedule/ScheduleListBox.h"
#include "store/DataStore.h"
#include "support/FakeViews.h"
#include "support/GameFakes.h"
#include "tables/Tables.h"

namespace {

const char* const kFiles[] = {"Baseball.Years", "Y1.Leagues", "Y1L1.Teams",  "Y1L1T1.Players",
                              "Y1L1T2.Players", "Y1L1.Games", "Y1L1.Fields", "Y1L1.Umpires"};

void ReadEveryCell(const scv::Grid& grid) {
  size_t bytes = 0;
  for (int r = 0; r < grid.RowCount(); ++r)
    for (int c = 0; c < grid.ColCount(); ++c) bytes += grid.CellView(c, r).size();
  if (bytes == SIZE_MAX) __builtin_trap();
}

void Export(const scv::DataStore& store, const scv::Grid& grid) {
  scv::ExportTsv(grid);
  scv::ExportCsv(grid);
  scv::ExportHtml(grid, QStringLiteral("caption"));
  scv::ExportIcs(store, grid, QStringLiteral("caption"), QDateTime::fromSecsSinceEpoch(0, Qt::UTC));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scv;
  const auto parts = fuzz::Parts(data, size, std::size(kFiles));
  auto& dir = fuzz::EmptyDir();
  for (size_t i = 0; i < parts.size(); ++i)
    if (!parts[i].empty()) fuzz::Put(dir, kFiles[i], parts[i]);

  DataStore store(dir.Dir());
  store.LoadYears();
  Grid grid;
  grid.ClientWidth = 800;
  NullProgress progress;
  scv::NullTableHost host;
  Tables tables(store, grid, progress, host);
  for (int tab = TeamsTab; tab < TabCount; ++tab) {
    tables.CurrentTab = tab;
    tables.BuildHeaders();
    ReadEveryCell(grid);
    if (grid.RowCount() > 1) tables.MoveFocus(1, grid.RowCount() - 1);
    Export(store, grid);
  }
  tables.SetScheduleFilter("1", "1");
  tables.BuildHeaders();
  ReadEveryCell(grid);
  Export(store, grid);

  test::FakeListView list;
  test::FakeNameView name;
  test::FakeMessages messages;
  test::FakeHelpView help;
  PickList pickList(list, name, messages, help);
  ScheduleListBox picker(store, pickList);
  test::FakeGameFormView view;
  GameFormPresenter form(store, tables, picker, view, messages, help);
  // Shown once: each pick button used (its list cancelled), then OK.
  view.script.push_back([&](test::FakeGameFormView&) {
    for (int slot = 0; slot < ScheduleListBox::SlotCount; ++slot) form.PickButtonClick(slot);
    form.OkButtonClick();
  });
  form.Run();
  ReadEveryCell(grid);
  return 0;
}
