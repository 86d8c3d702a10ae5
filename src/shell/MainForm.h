#pragma once
// The main window's behaviour: start-up, the command bar and file menu, the
// page tabs, the navigation commands, Update, saving and closing. The window
// itself (ui/) only forwards its events here and shows what it is told.
#include <array>
#include <functional>
#include <memory>

#include "entry/EntryViews.h"
#include "entry/PlayerForm.h"
#include "entry/TeamForm.h"
#include "dialogs/ListView.h"
#include "shell/MainView.h"
#include "dialogs/PickList.h"
#include "schedule/ScheduleListBox.h"
#include "store/DataStore.h"
#include "store/Messages.h"
#include "tables/Tables.h"

namespace scv {

struct MainViews {
  MainView& main;
  ListView& list;
  NameView& name;
  TeamFormView& team;
  PlayerFormView& player;
  HelpView& help;
  Progress& progress;
  Messages& messages;
  NoteOpener* notes = nullptr;  // null until the notes window exists
};

class MainForm : public TableHost {
 public:
  MainForm(DataStore& store, const MainViews& views);

  DataStore& store;
  MainViews views;
  Grid grid;
  Tables tables;
  PickList pickList;
  // Fields, teams and umpires of the schedule, picked through pickList; its
  // pick slots are shared by the game window and the schedule's filter.
  ScheduleListBox scheduleListBox;
  TeamFormPresenter teamForm;
  PlayerFormPresenter playerForm;

  // The game window, opened by Update on the Schedule tab once a league is
  // chosen.
  std::function<void()> OpenGameForm;
  // The backup dialog, once it exists (BackupItem is then made available).
  std::function<void()> OpenBackupForm;
  // The print dialog, once it exists (Print is then made available).
  std::function<void()> OpenPrintForm;
  // The QKT import, once it exists (ImportItem is then made available).
  std::function<void()> RunImport;

  // The notes window, once it exists: the pick list's Notes button works
  // from then on.
  void SetNoteOpener(NoteOpener* notes);
  // The Notes command's action for the page shown; the command is available
  // once it is set.
  void SetNoteCommand(std::function<void(int tab)> command);

  // Commands whose features are not there yet stay disabled whatever the
  // table says. Setup, Note, Font, Print, BackupItem and ImportItem start
  // unavailable; whoever provides one switches it on here.
  void SetCommandAvailable(Command command, bool available);
  bool CommandAvailable(Command command) const;

  // When the window is first shown: LoadYears (restoring the window size:
  // SetWindowSize gets 0 for a dimension that is not stored), then the
  // remembered tab, which builds the first table.
  void FormShow();

  void FileButtonClick();
  void YearButtonClick();
  void LeagueButtonClick();
  void TeamButtonClick();
  void PlayerButtonClick();
  void UpdateButtonClick();  // also the grid's double click
  void NoteButtonClick();
  void PrintButtonClick();
  void HelpButtonClick();
  void QuitButtonClick();
  void SaveItemClick();
  void BackupItemClick();
  void ImportItemClick();
  void AboutItemClick();

  void BottomTabClick(int tab);
  void TableSelectCell(int col, int row);
  void FormResize(int height, int width, bool normalState);
  // Saves everything; returns false when the window must stay open (a save
  // failed and the user declined to exit anyway).
  bool FormCloseQuery();

  // TableHost
  void SetCaption(const std::string& caption) override;
  void SetCommands(const CommandState& state) override;
  void GridChanged() override;
  void FocusGrid() override;

  // The main window's caption as it stands (Windows-1252): the program's
  // title until a table has named its year and league.
  const std::string& WindowCaption() const { return caption_; }

 private:
  static constexpr int kCommands = static_cast<int>(Command::QuitItem) + 1;
  std::array<bool, kCommands> available_{};
  CommandState tableCommands_;  // as the last table refresh reported it
  std::function<void(int)> noteCommand_;
  std::string caption_ = "Scorvane";
  // Applies availability and the table's command state to the window.
  void UpdateCommand(Command command);

  // The League, Team and Player commands share their frame: the parent
  // level is chosen first when it is not (false: the user chose none), and
  // after the pick list a new choice is stored in the parent record, which
  // is written back, and the table follows.
  bool ParentChosen(const std::string& parentMark, void (MainForm::*parentCommand)());
  void ChildPicked(const std::string& chosen, std::string& current, bool& listChanged,
                   bool (DataStore::*writeParent)(), bool newHeaders);
};

}  // namespace scv
