#include "tables/Tables.h"

#include "store/DataStore.h"
#include "store/Text.h"
#include "tables/Columns.h"
#include "tables/Schedule.h"

namespace scv {

const char* const TabCaptions[TabCount] = {"Teams",    "Players",  "Hitting", "Running",
                                           "Pitching", "Fielding", "Custom",  "Schedule"};

namespace {
constexpr size_t kMaxCellText = 40;
constexpr size_t kMaxWideColumns = 7;
}  // namespace

Tables::Tables(DataStore& store, Grid& grid, Progress& progress, TableHost& host)
    : store(store), grid(grid), progress(progress), host(host) {
  // Loading another league's games empties the schedule filter; whoever had
  // the hook before is still called.
  previousScheduleSwitched_ = store.onScheduleSwitched;
  store.onScheduleSwitched = [this] {
    ClearScheduleFilter();
    if (previousScheduleSwitched_) previousScheduleSwitched_();
  };
}

Tables::~Tables() {
  store.onScheduleSwitched = previousScheduleSwitched_;
  if (grid.RowsMade()) PrepareRows(0);
}

void Tables::ResetPlacement(int row) {
  LogicalColumn = 1;
  NextGridColumn = 1;
  CurrentRow = row;
}

bool Tables::ColumnShown(int k) const {
  if (k < 1) return false;
  const size_t i = static_cast<size_t>(k - 1);
  const LeagueRecord& league = store.CurrentLeague;
  if (CurrentTab == TeamsTab) return i < league.StandingsItems.size() && league.StandingsItems[i] == '*';
  if (CurrentTab >= PlayersTab && CurrentTab <= CustomTab) {
    if (i >= league.ColumnFlags.size()) return false;
    const unsigned bit = 1u << (CurrentTab - 1);
    return (static_cast<unsigned char>(league.ColumnFlags[i]) & bit) != 0;
  }
  if (CurrentTab == ScheduleTab) return i < league.ScheduleItems.size() && league.ScheduleItems[i] == '*';
  return false;
}

std::vector<char> Tables::ShownColumns() const {
  int columns = TeamColumnCount;
  if (CurrentTab >= PlayersTab && CurrentTab <= CustomTab) columns = PlayerColumnCount;
  if (CurrentTab == ScheduleTab) columns = ScheduleColumnCount;
  std::vector<char> shown(static_cast<size_t>(columns) + 1, 0);
  for (int k = 1; k <= columns; ++k) shown[static_cast<size_t>(k)] = ColumnShown(k);
  return shown;
}

void Tables::PutCell(std::string_view text) {
  if (ColumnShown(LogicalColumn)) {
    grid.SetCell(NextGridColumn, CurrentRow, Cut(text, kMaxCellText));
    ++NextGridColumn;
  }
  ++LogicalColumn;
}

void Tables::BuildHeaders() {
  store.LoadLeagues();

  grid.Col = 0;
  grid.WideColumns.clear();
  int columns = TeamColumnCount;
  if (CurrentTab >= PlayersTab && CurrentTab <= CustomTab) columns = PlayerColumnCount;
  if (CurrentTab == ScheduleTab) columns = ScheduleColumnCount;
  // Room for every column while the headers are offered; cut back afterwards.
  grid.SetColCount(columns + 1);
  if (grid.RowCount() < 1) grid.SetRowCount(1);
  grid.ClearRow(0);
  grid.HeaderColumns.assign(1, 0);
  grid.HeaderNames.assign(1, std::string());
  ResetPlacement(0);

  int sortColumn = -1;  // logical
  grid.SortDescending = false;
  if (CurrentTab >= PlayersTab && CurrentTab <= CustomTab) {
    sortColumn = PlayerSortColumn(store.CurrentLeague, CurrentTab);
    grid.SortDescending = PlayerSortDescending(store.CurrentLeague, CurrentTab);
  } else if (CurrentTab == ScheduleTab) {
    sortColumn = ScheduleSortColumn(ScheduleSortChoice(store.CurrentLeague));
    grid.SortDescending = ScheduleSortDescending(store.CurrentLeague);
  }
  grid.SortColumn = -1;

  for (int k = 1; k <= columns; ++k) {
    std::string header;
    bool wide = false;
    if (CurrentTab == TeamsTab) {
      header = TeamColumns[static_cast<size_t>(k - 1)].Header;
      wide = TeamColumns[static_cast<size_t>(k - 1)].Wide;
    } else if (CurrentTab == ScheduleTab) {
      header = ScheduleColumns[static_cast<size_t>(k - 1)].Header;
      wide = ScheduleColumns[static_cast<size_t>(k - 1)].Wide;
    } else {
      const PlayerColumnSpec& column = PlayerColumns[static_cast<size_t>(k - 1)];
      header = column.Header ? std::string(column.Header) : store.CurrentLeague.UserHeader(k - FirstUserColumn + 1);
      wide = column.Wide;
    }
    const int before = NextGridColumn;
    PutCell(header);
    if (NextGridColumn == before) continue;
    if (wide && grid.WideColumns.size() < kMaxWideColumns) grid.WideColumns.push_back(before);
    grid.HeaderColumns.push_back(k);
    grid.HeaderNames.push_back(ColumnName(CurrentTab, k, store.CurrentLeague));
    if (k == sortColumn) grid.SortColumn = before;
  }
  grid.SetColCount(NextGridColumn);

  ShowTable();
}

void Tables::ShowTable() {
  progress.Start("Reading Data...");
  // When the teams cannot be read (the error has been shown), the lists in
  // memory are another league's: show nothing rather than those.
  const bool loaded = store.LoadTeams();

  Rows.Clear();
  grid.Col = 0;
  Caption = store.CurrentYear.No + " " + store.CurrentLeague.Name;

  switch (loaded ? CurrentTab : -1) {
    case TeamsTab:
      BuildStandings();
      break;
    case PlayersTab:
    case HittingTab:
    case RunningTab:
    case PitchingTab:
    case FieldingTab:
    case CustomTab:
      BuildPlayers();
      break;
    case ScheduleTab:
      BuildSchedule();
      break;
    default:
      PrepareRows(0);
      break;
  }
  host.SetCaption(Caption);

  SizeColumns();
  host.GridChanged();
  host.FocusGrid();

  CommandState commands;
  commands.Setup = commands.Font = ParseFigure(store.CurrentYear.CurLeague) > 0;
  commands.Update = grid.FocusColumn > 0;
  commands.Note = commands.Print = commands.Update && Rows.Count() > 0;
  Commands = commands;
  host.SetCommands(commands);
  // Selecting a cell of the current row runs TableSelectCell.
  if (commands.Note) MoveFocus(grid.FocusColumn, grid.Row);

  progress.Finish();
}

void Tables::SizeColumns() {
  const int c = grid.ColCount();
  const int w = grid.ClientWidth;
  if (c <= 0) {
    grid.FocusColumn = 0;
    return;
  }
  std::vector<int> wide = grid.WideColumns;
  int n = static_cast<int>(wide.size());
  int f = n > 0 ? wide.front() : 0;
  if (c == 1) {
    f = 0;
  } else if (n == 0) {
    n = 1;
    f = c - 1;
    wide.assign(1, f);
  }

  const int d = w / (c + n);
  for (int col = 0; col < c; ++col) grid.SetColWidth(col, d);
  const int spare = w - (c - n - 1) * d - c;  // a pixel of grid line per column
  if (n >= 2) {
    const int e = spare / n;
    for (int col : wide) grid.SetColWidth(col, e);
    grid.SetColWidth(f, spare - (n - 1) * e);
  } else {
    grid.SetColWidth(f, spare);
  }
  grid.SetColWidth(0, 0);
  grid.FocusColumn = f;
}

void Tables::PrepareRows(int n, std::shared_ptr<const RowSource> rows, int madeRows) {
  if (n > 0 && rows) {
    grid.SetRows(std::move(rows), std::max(n, madeRows));
  } else if (n > 0) {
    grid.SetRowCount(n + 1);
    for (int r = 1; r <= n; ++r) grid.ClearRow(r);
  } else {
    grid.SetRowCount(2);
    grid.ClearRow(1);
  }
  // The focus stays on a data row when the table shrinks.
  if (grid.Row > n) grid.Row = std::max(n, 1);
  if (grid.Row < 1) grid.Row = 1;
}

int Tables::RowOf(const TableRows& rows, std::string_view index) {
  // Only the position's own decimal text names it ("7", not "07").
  if (index.empty() || index.size() > 9 || index[0] == '0') return 0;
  uint32_t wanted = 0;
  for (char c : index) {
    if (c < '0' || c > '9') return 0;
    wanted = wanted * 10 + static_cast<uint32_t>(c - '0');
  }
  for (int r = 1; r <= rows.Count(); ++r)
    if (rows.PositionAt(r) == wanted) return r;
  return 0;
}

void Tables::MoveFocus(int col, int row) {
  grid.Col = col;
  grid.Row = row;
  TableSelectCell(col, row);
  host.GridChanged();
}

void Tables::TableSelectCell(int col, int row) {
  if (row < 1 || row >= grid.RowCount() || col < 0 || col >= grid.ColCount()) return;
  grid.Col = col;
  grid.Row = row;
  if (col == 0) return;
  const std::string& key = grid.Cell(0, row);
  if (key.empty()) return;

  DataStore& s = store;
  if (CurrentTab == TeamsTab) {
    if (key == s.CurrentLeague.CurTeam) return;
    s.CurrentLeague.CurTeam = Cut(key, Width::Index);
    s.ReadTeam(s.CurrentLeague.CurTeam);
    s.WriteLeague();
  } else if (CurrentTab >= PlayersTab && CurrentTab <= CustomTab) {
    if (key == s.CurrentTeam.CurPlayer) return;
    s.CurrentTeam.CurPlayer = Cut(key, Width::Index);
    s.ReadPlayer(s.CurrentTeam.CurPlayer);
    s.WriteTeam();
  } else if (CurrentTab == ScheduleTab) {
    if (key == s.CurrentLeague.CurGame) return;
    s.CurrentLeague.CurGame = Cut(key, Width::Index);
    s.ReadGame(s.CurrentLeague.CurGame);
    s.WriteLeague();
  }
}

void Tables::BottomTabClick(int tab) {
  if (tab < 0 || tab >= TabCount) return;
  CurrentTab = tab;
  BuildHeaders();
  store.YearsHeader.CurTab = std::to_string(tab);
}

void Tables::FormResize(int height, int width, bool normalState) {
  SizeColumns();
  host.GridChanged();
  if (!normalState) return;
  store.YearsHeader.WinHeight = Cut(FigureText(height), 5);
  store.YearsHeader.WinWidth = Cut(FigureText(width), 5);
}

}  // namespace scv
