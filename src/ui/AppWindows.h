#pragma once
// The desktop program put together: the data store, the main window, every
// dialog (created once, the main window first) and the presenter over them.
#include <memory>

#include <QString>

#include "notes/NoteForm.h"
#include "notes/Notes.h"
#include "schedule/FieldTimes.h"
#include "schedule/GameForm.h"
#include "schedule/ScheduleMaker.h"
#include "shell/MainForm.h"
#include "store/DataStore.h"
#include "tables/DisplaySetup.h"
#include "ui/AboutForm.h"
#include "ui/BackupForm.h"
#include "ui/EntryForms.h"
#include "ui/FieldTimeForms.h"
#include "ui/GameForm.h"
#include "ui/HelpWindow.h"
#include "ui/ListForm.h"
#include "ui/MainWindow.h"
#include "ui/MsgForm.h"
#include "ui/PrintForm.h"
#include "ui/QtPrintEngine.h"
#include "ui/NoteForm.h"
#include "ui/OpenDialog.h"
#include "ui/QtMessages.h"
#include "ui/RadioNoteForm.h"
#include "ui/SetupForms.h"

namespace scv {

class AppWindows {
 public:
  explicit AppWindows(const QString& dataDir);
  ~AppWindows();
  AppWindows(const AppWindows&) = delete;
  AppWindows& operator=(const AppWindows&) = delete;

  // Shows the main window and runs its FormShow (stored size and tab, first
  // table).
  void Show();

  QtMessages messages;
  DataStore store;
  MainWindow window;
  HelpWindow help;
  AboutForm about;
  BackupForm backup;
  GameForm game;
  ListForm list;
  NameForm name;
  NoteForm note;
  OpenDialog openDialog;
  PlayerForm player;
  PrintForm print;
  RadioNoteForm radioNote;
  TeamForm team;
  SetupForm setup;
  PlayerSortForm playerSort;
  ScheduleSortForm scheduleSort;
  FontChooser fontChooser;
  MsgForm progress;
  FieldForm fieldSelect;
  MakeForm fieldTimes;
  QtPrintEngine printEngine;
  std::unique_ptr<MainForm> form;
  std::unique_ptr<NoteFormPresenter> noteForm;
  std::unique_ptr<Notes> notes;
  std::unique_ptr<BackupFormPresenter> backupForm;
  std::unique_ptr<PrintFormPresenter> printForm;
  std::unique_ptr<GameFormPresenter> gameForm;
  std::unique_ptr<ImportPresenter> importer;
  std::unique_ptr<MakeFormPresenter> makeForm;
  std::unique_ptr<FieldFormPresenter> fieldForm;
  std::unique_ptr<ScheduleMaker> scheduleMaker;
  std::unique_ptr<DisplaySetup> displaySetup;
};

}  // namespace scv
