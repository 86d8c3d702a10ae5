#pragma once
// The schedule maker behind the game window's Make button: every time entry
// of the league, in date and time order, becomes one game of the pairing
// table for the league's number of teams, appended to the schedule.
#include <string>
#include <vector>

namespace scv {

class DataStore;
class FieldFormPresenter;
class Messages;

class ScheduleMaker {
 public:
  ScheduleMaker(DataStore& store, FieldFormPresenter& fieldForm, Messages& messages);

  DataStore& store;
  FieldFormPresenter& fieldForm;
  Messages& messages;

  // Counts the league's live teams and fields, asks to go on, lets the user
  // set the fields' times in the field-selection window and, when it closes
  // with OK, adds the games. True when games were added (the last of them is
  // then the league's current game).
  bool MakeButtonClick();

  // The live teams as the pairing tables number them: team k is entry k-1,
  // each the team's No right-justified to 5 followed by its index, in text
  // order.
  static std::vector<std::string> TeamOrder(DataStore& store);
  // The live fields: No right-justified to 5, index left-justified to 5,
  // name; in text order.
  static std::vector<std::string> FieldList(DataStore& store);
  // Appends one game per entry of Times for the team order (3 to 20
  // entries), cycling through the pairing table with home and away
  // exchanged on every second pass.
  static void AddGames(DataStore& store, const std::vector<std::string>& teamOrder);
};

}  // namespace scv
