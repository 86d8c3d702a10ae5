#pragma once
// The frame every main table shares: the column catalogue and the placement
// state, header building, the refresh sequence, column sizing and row
// selection; the standings and player builders fill the rows.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/Records.h"
#include "tables/Grid.h"
#include "tables/PlayerFigures.h"
#include "tables/RowList.h"
#include "tables/TableRows.h"

namespace scv {

class DataStore;

enum Tab : int {
  TeamsTab = 0, PlayersTab = 1, HittingTab, RunningTab, PitchingTab, FieldingTab, CustomTab,
  ScheduleTab = 7, TabCount = 8
};
extern const char* const TabCaptions[TabCount];  // "Teams" ... "Schedule"

// The progress window shown while a table is built.
class Progress {
 public:
  virtual ~Progress() = default;
  virtual void Start(const char* caption) = 0;  // shown, at 0
  virtual void SetMax(int max) = 0;
  virtual void Step() = 0;
  virtual void Finish() = 0;  // hidden
};

class NullProgress : public Progress {
 public:
  void Start(const char*) override {}
  void SetMax(int) override {}
  void Step() override {}
  void Finish() override {}
};

// What a refresh tells the window: its caption and the commands it enables.
struct CommandState {
  bool Setup = false, Font = false, Update = false, Note = false, Print = false;
  bool operator==(const CommandState&) const = default;
};

class TableHost {
 public:
  virtual ~TableHost() = default;
  virtual void SetCaption(const std::string& caption) = 0;  // Windows-1252 bytes
  virtual void SetCommands(const CommandState& state) = 0;
  virtual void GridChanged() = 0;  // cells, sizes or focus changed
  virtual void FocusGrid() = 0;
};

// A host no one looks at: for tables built to be written out or measured.
class NullTableHost : public TableHost {
 public:
  void SetCaption(const std::string&) override {}
  void SetCommands(const CommandState&) override {}
  void GridChanged() override {}
  void FocusGrid() override {}
};

class Tables {
 public:
  Tables(DataStore& store, Grid& grid, Progress& progress, TableHost& host);
  // Gives the store's schedule-switch hook back as it was, and takes back
  // the rows it handed the grid, which read the store's lists.
  ~Tables();
  Tables(const Tables&) = delete;
  Tables& operator=(const Tables&) = delete;

  DataStore& store;
  Grid& grid;
  Progress& progress;
  TableHost& host;

  int CurrentTab = TeamsTab;
  RowList Rows;
  PlayerFigureCache Cache;
  std::string Caption;
  CommandState Commands;

  // Placement state.
  int LogicalColumn = 1;
  int NextGridColumn = 1;
  int CurrentRow = 0;
  void ResetPlacement(int row);

  // Offers the next logical column of the current row.
  void PutCell(std::string_view text);
  bool ColumnShown(int logicalColumn) const;
  // ColumnShown of every logical column of the current tab, as the row
  // sources keep it (index 0 unused).
  std::vector<char> ShownColumns() const;

  void BuildHeaders();
  void ShowTable();
  void SizeColumns();
  // Sets the grid's rows for n data rows: empty ones, or made by rows (which
  // may make more than n, as the player tables' totals row).
  void PrepareRows(int n, std::shared_ptr<const RowSource> rows = nullptr, int madeRows = 0);
  // The data row whose record position reads as `index` (a stored CurTeam,
  // CurPlayer or CurGame), or 0.
  static int RowOf(const TableRows& rows, std::string_view index);
  // Moves the grid's focus; runs TableSelectCell for the new cell.
  void MoveFocus(int col, int row);
  void TableSelectCell(int col, int row);
  void BottomTabClick(int tab);
  // FormResize: normalState says the window is neither minimised nor maximised.
  void FormResize(int height, int width, bool normalState);

  // Builders of the tabs, called by ShowTable.
  void BuildStandings();
  void BuildPlayers();
  void BuildSchedule();

  // The schedule filter, held in memory only: the list position of one team
  // and of one umpire (at most 5 characters), or empty for all. Both are
  // emptied when the games list of another league is loaded.
  std::string TeamFilter, UmpireFilter;
  void ClearScheduleFilter();
  void SetScheduleFilter(std::string_view team, std::string_view umpire);
  // Whether the schedule filter lets the game through.
  bool ScheduleFilterPasses(const GameView& game) const;
  // The schedule table shows no game (the game window then opens empty and
  // its OK adds a game).
  bool ScheduleEmpty() const { return Rows.Empty(); }

 private:
  std::function<void()> previousScheduleSwitched_;
};

}  // namespace scv
