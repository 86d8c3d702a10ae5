#include "tables/DisplaySetup.h"

#include <algorithm>

#include "dialogs/ListView.h"
#include "store/DataStore.h"
#include "store/Text.h"
#include "tables/Columns.h"
#include "tables/Schedule.h"
#include "tables/Tables.h"

namespace scv {

namespace {

constexpr int kMinInnings = 3, kMaxInnings = 18;
constexpr unsigned char kFlagsKept = 0x80;  // so that no mask byte is a space

// "*" for every checked box, a space for the others.
std::string CheckedItems(const SetupDialogView& view, int count) {
  std::string items;
  for (int k = 1; k <= count; ++k) items += view.Checked(k) ? '*' : ' ';
  return items;
}

void ShowItems(SetupDialogView& view, const std::string& items, int count) {
  for (int k = 1; k <= count; ++k) {
    const auto i = static_cast<size_t>(k - 1);
    view.SetChecked(k, i < items.size() && items[i] == '*');
  }
}

}  // namespace

DisplaySetup::DisplaySetup(DataStore& store_, Tables& tables_, const SetupViews& views_,
                           FilterPicker& picker_, HelpView& help_)
    : store(store_), tables(tables_), views(views_), picker(picker_), help(help_) {}

void DisplaySetup::Store() {
  store.WriteLeague();
  tables.BuildHeaders();
}

void DisplaySetup::SetupButtonClick() {
  // Each league keeps its own display: without one open there is nothing to
  // set up (the command is disabled then).
  if (ParseFigure(store.CurrentYear.CurLeague) > 0 && store.LoadLeagues()) {
    const int tab = tables.CurrentTab;
    if (tab == TeamsTab) StandingsSetup();
    if (tab >= PlayersTab && tab <= CustomTab) PlayerSetup(tab);
    if (tab == ScheduleTab) ScheduleSetup();
  }
  tables.host.FocusGrid();
}

// ---- standings -----------------------------------------------------------

void DisplaySetup::StandingsSetup() {
  LeagueRecord& league = store.CurrentLeague;
  StandingsSetupView& view = views.standings;
  ShowItems(view, league.StandingsItems, TeamColumnCount);
  if (league.Innings.empty()) league.Innings = "9";
  view.SetInnings(
      static_cast<int>(std::clamp<int64_t>(ParseFigure(league.Innings), kMinInnings, kMaxInnings)));
  view.SetCaption(league.Name);
  if (!view.Exec()) return;

  league.StandingsItems = CheckedItems(view, TeamColumnCount);
  league.Innings = FigureText(std::clamp(view.Innings(), kMinInnings, kMaxInnings));
  // The ERA is figured with the innings per game.
  tables.Cache.Invalidate();
  Store();
}

void DisplaySetup::StandingsHelpClick() {
  help.OpenHelp(QStringLiteral("Sort_Button"));
  views.standings.FocusOk();
}

// ---- player tabs -----------------------------------------------------------

void DisplaySetup::PlayerSetup(int tab) {
  LeagueRecord& league = store.CurrentLeague;
  PlayerSortView& view = views.players;
  // A league without its own header shows the item's name, not the header
  // of the league set up before.
  for (int i = 1; i <= 4; ++i) {
    const std::string& header = league.UserHeader(i);
    view.SetUserItem(FirstUserColumn + i - 1, header.empty() ? std::string("User Defined") : header);
  }
  view.SetDescending(PlayerSortDescending(league, tab));
  view.SetSortItem(PlayerSortColumn(league, tab) - 1);
  const unsigned bit = 1u << (tab - 1);
  if (league.ColumnFlags.size() < static_cast<size_t>(PlayerColumnCount))
    league.ColumnFlags.resize(PlayerColumnCount, ' ');
  for (int k = 1; k <= PlayerColumnCount; ++k) {
    char& flags = league.ColumnFlags[static_cast<size_t>(k - 1)];
    if (flags == ' ') flags = static_cast<char>(DefaultColumnFlag(k));
    view.SetChecked(k, (static_cast<unsigned char>(flags) & bit) != 0);
  }
  view.FocusSort();
  view.SetCaption(std::string("Choose Items to Display and Sort Sequence for ") + TabCaptions[tab] + " Page");
  if (!view.Exec()) return;

  SetPlayerSort(league, tab, view.SortItem() + 1, view.Descending());
  for (int k = 1; k <= PlayerColumnCount; ++k) {
    char& flags = league.ColumnFlags[static_cast<size_t>(k - 1)];
    unsigned value = static_cast<unsigned char>(flags) | kFlagsKept;
    value = view.Checked(k) ? value | bit : value & ~bit;
    flags = static_cast<char>(value);
  }
  Store();
}

void DisplaySetup::PlayerHelpClick() {
  help.OpenHelp(QStringLiteral("Player_Statistics"));
  views.players.FocusOk();
}

// ---- schedule --------------------------------------------------------------

void DisplaySetup::ScheduleSetup() {
  // The filter picks from the league's teams and umpires.
  if (!store.LoadTeams() || !store.LoadGames() || !store.LoadUmpires()) return;
  LeagueRecord& league = store.CurrentLeague;
  ScheduleSortView& view = views.schedule;
  view.SetSortItem(ScheduleSortChoice(league));
  view.SetDescending(ScheduleSortDescending(league));

  TeamFilter = tables.TeamFilter;
  UmpireFilter = tables.UmpireFilter;
  store.ReadTeam(TeamFilter);
  view.SetTeamFilter(store.CurrentTeam.Name.empty() ? std::string("All Teams") : store.CurrentTeam.Name);
  store.ReadUmpire(UmpireFilter);
  view.SetUmpireFilter(store.CurrentUmpire.Name.empty() ? std::string("All Umpires")
                                                        : store.CurrentUmpire.Name);

  ShowItems(view, league.ScheduleItems, ScheduleColumnCount);
  view.FocusSort();
  picked_ = false;
  const bool ok = view.Exec();
  // The picks and the filter's names were read into the current team record.
  store.ReadTeam(store.CurrentLeague.CurTeam);
  if (!ok) {
    // A team or umpire added or renamed in the pick list shows at once.
    if (picked_) tables.ShowTable();
    return;
  }

  SetScheduleSort(league, view.SortItem(), view.Descending());
  tables.SetScheduleFilter(TeamFilter, UmpireFilter);
  league.ScheduleItems = CheckedItems(view, ScheduleColumnCount);
  Store();
}

void DisplaySetup::AllTeamClick() {
  views.schedule.SetTeamFilter("All Teams");
  TeamFilter.clear();
  views.schedule.FocusOk();
}

void DisplaySetup::AllUmpiresClick() {
  views.schedule.SetUmpireFilter("All Umpires");
  UmpireFilter.clear();
  views.schedule.FocusOk();
}

void DisplaySetup::TeamButtonClick() {
  TeamFilter = picker.PickTeam(TeamFilter);
  picked_ = picked_ || picker.PickChanged();
  if (!TeamFilter.empty()) views.schedule.SetTeamFilter(store.CurrentTeam.Name);
  views.schedule.FocusOk();
}

void DisplaySetup::UmpireButtonClick() {
  UmpireFilter = picker.PickUmpire(UmpireFilter);
  picked_ = picked_ || picker.PickChanged();
  if (!UmpireFilter.empty()) views.schedule.SetUmpireFilter(store.CurrentUmpire.Name);
  views.schedule.FocusOk();
}

void DisplaySetup::ScheduleHelpClick() {
  help.OpenHelp(QStringLiteral("Sort_Button"));
  views.schedule.FocusOk();
}

// ---- header clicks -----------------------------------------------------------

void DisplaySetup::HeaderClick(int col) {
  const Grid& grid = tables.grid;
  if (!tables.Commands.Setup || col < 1 || static_cast<size_t>(col) >= grid.HeaderColumns.size()) return;
  const int k = grid.HeaderColumns[static_cast<size_t>(col)];
  const int tab = tables.CurrentTab;
  LeagueRecord& league = store.CurrentLeague;
  // A click on the column the rows already follow turns the order round; a
  // new column starts ascending.
  if (tab >= PlayersTab && tab <= CustomTab) {
    const bool again = PlayerSortColumn(league, tab) == k;
    SetPlayerSort(league, tab, k, again && !PlayerSortDescending(league, tab));
  } else if (tab == ScheduleTab) {
    const int choice = ScheduleSortOfColumn(k);
    if (choice < 0) return;
    const bool again = ScheduleSortChoice(league) == choice;
    SetScheduleSort(league, choice, again && !ScheduleSortDescending(league));
  } else {
    return;
  }
  Store();
}

// ---- font ---------------------------------------------------------------------

void DisplaySetup::FontButtonClick() {
  TableFont font = store.tableFont;
  if (ParseFigure(store.CurrentYear.CurLeague) > 0 && store.LoadLeagues() && views.font.ChooseFont(font)) {
    LeagueRecord& league = store.CurrentLeague;
    // Black (0) is stored as no colour.
    league.FontColor = Cut(FigureTextOrBlank(font.Color), 8);
    league.FontName = Cut(font.Name, Width::Name);
    league.FontSize = Cut(FigureTextOrBlank(font.PointSize), 4);
    league.FontBold = font.Bold ? "1" : "";
    league.FontItalic = font.Italic ? "1" : "";
    store.WriteLeague();
    // The grid takes the whole font, underline and strike-out too, which
    // last for the run only; the rows take its height.
    store.tableFont = font;
    if (store.fontView) store.fontView->ApplyTableFont(font);
  }
  tables.host.FocusGrid();
}

}  // namespace scv
