#pragma once
// The display setup dialogs as their presenter sees them: the standings
// setup (TSetupForm), the player tabs' columns and sort (TPlayerSortForm),
// the schedule's sort, filter and columns (TScheduleSortForm), the font
// dialog, and the picker of the schedule filter's one team and one umpire.
// Texts are Windows-1252 bytes.
#include <string>

#include "store/DataStore.h"

namespace scv {

// What every setup dialog has: check boxes numbered from 1, one per column
// of its table, an OK button and a modal run.
class SetupDialogView {
 public:
  virtual ~SetupDialogView() = default;
  virtual void SetChecked(int item, bool checked) = 0;
  virtual bool Checked(int item) const = 0;
  virtual void FocusOk() = 0;
  virtual bool Exec() = 0;  // true for OK
};

class StandingsSetupView : public SetupDialogView {
 public:
  virtual void SetCaption(const std::string& caption) = 0;
  // SpinInning: innings per game for the ERA, 3 to 18.
  virtual void SetInnings(int innings) = 0;
  virtual int Innings() const = 0;
};

// The player and schedule dialogs also choose a sort item (from 0) and a
// direction.
class SortDialogView : public SetupDialogView {
 public:
  virtual void SetSortItem(int index) = 0;
  virtual int SortItem() const = 0;
  virtual void SetDescending(bool descending) = 0;
  virtual bool Descending() const = 0;
  virtual void FocusSort() = 0;
};

class PlayerSortView : public SortDialogView {
 public:
  virtual void SetCaption(const std::string& caption) = 0;
  // The caption of check box k and the text of sort item k, for the user
  // columns 58 to 61.
  virtual void SetUserItem(int item, const std::string& text) = 0;
};

class ScheduleSortView : public SortDialogView {
 public:
  // The labels TFilter and UFilter.
  virtual void SetTeamFilter(const std::string& text) = 0;
  virtual void SetUmpireFilter(const std::string& text) = 0;
};

// The font dialog, loaded with the grid's font. On OK it fills `font` with
// the choice, its colour the grid's text colour, and returns true.
class FontView {
 public:
  virtual ~FontView() = default;
  virtual bool ChooseFont(TableFont& font) = 0;
};

// Picks the schedule filter's team or umpire through the pick list,
// starting at an index; returns the chosen index and reads that record into
// the current team or umpire record.
class FilterPicker {
 public:
  virtual ~FilterPicker() = default;
  virtual std::string PickTeam(const std::string& start) = 0;
  virtual std::string PickUmpire(const std::string& start) = 0;
  // Whether the last pick added, edited, deleted or undeleted a record.
  virtual bool PickChanged() const = 0;
};

}  // namespace scv
