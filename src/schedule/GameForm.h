#pragma once
// The game window's behaviour: one game of the current league shown in the
// window, changed, added as a new game, deleted (alone or with every other
// game), or a whole schedule made.
#include <functional>

#include "schedule/GameViews.h"

namespace scv {

class DataStore;
class HelpView;
class Messages;
class ScheduleListBox;
class Tables;

class GameFormPresenter {
 public:
  GameFormPresenter(DataStore& store, Tables& tables, ScheduleListBox& picker, GameFormView& view,
                    Messages& messages, HelpView& help);

  DataStore& store;
  Tables& tables;
  ScheduleListBox& picker;
  GameFormView& view;
  Messages& messages;
  HelpView& help;

  // The Make button's action: makes the league's schedule and returns true
  // when it did (the window then closes and the table is rebuilt). While it
  // is not set the Make button is disabled.
  std::function<bool()> MakeSchedule;

  // The Update command on the Schedule tab: fills the window from the
  // current game (an empty one when the table shows no game), shows it and
  // acts on the button that closed it.
  void Run();

  // The window's buttons. A click on a row's No or Name label is a click on
  // its pick button.
  void OkButtonClick();
  void AddButtonClick();
  void DeleteButtonClick();
  void MakeButtonClick();
  void HelpButtonClick();
  void PickButtonClick(int slot);   // FButtonClick ... U4ButtonClick
  void ClearButtonClick(int slot);  // FClearClick ... U4ClearClick

 private:
  void ShowRow(int slot);
  void ShowDateTime();
  void OkAddClick(GameResult result);
  void StoreWindow();
  bool DeleteGame(bool tableEmpty);  // true when the table was rebuilt
  bool picksChanged_ = false;
};

}  // namespace scv
