#pragma once
// The times at which each field of the league is free: the field-time
// window (TMakeForm) lists one field's time entries and adds, changes and
// deletes them; the field-selection window (TFieldForm) lists the fields
// with their number of entries and starts the schedule making.
//
// A time entry is one line of the store's Times list: the date "yyyymmdd",
// the time "hhnn" and the field's index, nothing between them.
#include <string>
#include <string_view>
#include <vector>

#include "schedule/FieldTimeViews.h"
#include "tables/Grid.h"

namespace scv {

class DataStore;
class Messages;

// The parts of a time entry line; a part the line is too short for is empty.
std::string_view TimeEntryDate(std::string_view line);
std::string_view TimeEntryTime(std::string_view line);
std::string_view TimeEntryField(std::string_view line);

class MakeFormPresenter {
 public:
  MakeFormPresenter(DataStore& store, MakeFormView& view, Messages& messages);

  DataStore& store;
  MakeFormView& view;
  Messages& messages;

  // Columns: the entry's position in Times (hidden), "Year", "Mo.", "Day",
  // "Time". Row 0 is the header row.
  Grid MakeGrid;
  // The index of the field whose times are shown.
  std::string CurrentField;
  // The position in Times of the entry last added or selected; Change Time
  // and Delete Time act on it.
  size_t LastTimePosition = 0;
  // The number of entries of the current field, counted by each refresh.
  int ShownCount = 0;

  // Shows the window for CurrentField under the caption, starting with a
  // refresh; returns when the field is done.
  void Run(const std::string& caption);
  void Refresh();

  // "Single Game" or "Games Every" chosen.
  void RadioClick();
  // A row of the grid selected: its date and time go into the boxes.
  void MakeGridSelectCell(int col, int row);
  void AddButtonClick();     // Add Time
  void ChangeButtonClick();  // Change Time
  void DeleteButtonClick();

 private:
  void AddTimes(bool change);
  // Whether the entry at LastTimePosition is one of the current field's.
  bool LastIsShown() const;
};

class FieldFormPresenter {
 public:
  // makeForm may be null where field times are not edited (the command line).
  FieldFormPresenter(DataStore& store, FieldFormView& view, MakeFormPresenter* makeForm, Messages& messages);

  DataStore& store;
  FieldFormView& view;
  MakeFormPresenter* makeForm;
  Messages& messages;

  // Columns: the field's index (hidden), "   No.", "Field Name", "Times".
  Grid FieldGrid;

  // Fills one row per field-list entry (No right-justified to 5, index
  // left-justified to 5, name) with its number of time entries and shows the
  // window. True when it closed with "Add Games To Schedule".
  bool Run(const std::vector<std::string>& fieldList);

  // "Set Field Available Times", and a double click on the grid.
  void SetButtonClick();
  void ResetButtonClick();
  void AddButtonClick();
  void CancelButtonClick();
};

// The field-selection window where no one answers it (the command line, the
// benchmarks): closed at once with "Add Games To Schedule", which asks its
// question or refuses.
class AddingFieldForm : public FieldFormView {
 public:
  FieldFormPresenter* presenter = nullptr;
  void GridChanged() override {}
  void FocusGrid() override {}
  bool Exec() override {
    ok_ = false;
    if (presenter) presenter->AddButtonClick();
    return ok_;
  }
  void Close(bool ok) override { ok_ = ok; }

 private:
  bool ok_ = false;
};

}  // namespace scv
