#pragma once
// The Setup and Font commands and the header clicks of the main table: which
// columns each table shows, how its rows are sorted, the innings per game
// for the ERA, the schedule filter and the grid's font. Everything but the
// schedule filter is stored in the current league's record.
#include <string>

#include "tables/SetupViews.h"

namespace scv {

class DataStore;
class HelpView;
class Tables;

struct SetupViews {
  StandingsSetupView& standings;
  PlayerSortView& players;
  ScheduleSortView& schedule;
  FontView& font;
};

class DisplaySetup {
 public:
  DisplaySetup(DataStore& store, Tables& tables, const SetupViews& views, FilterPicker& picker,
               HelpView& help);

  DataStore& store;
  Tables& tables;
  SetupViews views;
  FilterPicker& picker;
  HelpView& help;

  // The schedule dialog's working copies of the filter (list positions, or
  // empty for all); they become the table's filter on OK.
  std::string TeamFilter, UmpireFilter;

  // The Setup command: the dialog of the tab shown.
  void SetupButtonClick();
  // The Font command.
  void FontButtonClick();
  // A click on the header of grid column col: on a player tab that column
  // becomes the sort column (clicked again, the direction flips); on the
  // schedule the field number, date, time, home and away columns choose
  // their sort. Stored as the setup dialogs store it; the table is rebuilt.
  void HeaderClick(int col);

  // The dialogs' buttons.
  void StandingsHelpClick();
  void PlayerHelpClick();
  void ScheduleHelpClick();
  void AllTeamClick();
  void AllUmpiresClick();
  void TeamButtonClick();
  void UmpireButtonClick();

 private:
  void StandingsSetup();
  void PlayerSetup(int tab);
  void ScheduleSetup();
  // Writes the league record back and lays the table out again.
  void Store();
  bool picked_ = false;
};

}  // namespace scv
