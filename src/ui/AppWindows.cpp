#include "ui/AppWindows.h"

namespace scv {

AppWindows::AppWindows(const QString& dataDir)
    : store(dataDir, &messages),
      window(),
      help(&window),
      about(&window, dataDir),
      backup(&window),
      game(&window),
      list(&window),
      name(&window),
      note(&window),
      openDialog(&window),
      player(&window, help),
      print(&window),
      radioNote(&window),
      team(&window, help),
      setup(&window),
      playerSort(&window),
      scheduleSort(&window),
      fontChooser(window),
      progress(&window),
      fieldSelect(&window),
      fieldTimes(&fieldSelect) {
  messages.SetParent(&window);
  MainViews views{window, list, name, team, player, help, progress, messages};
  form = std::make_unique<MainForm>(store, views);
  store.fontView = &window;
  window.SetAboutDialog(&about);
  window.SetPresenter(form.get());
  list.SetHelpHandler([this] { form->pickList.HelpButtonClick(); });

  // Notes: the notes window, opened from the pick list's Notes button and
  // the main window's Notes command.
  noteForm = std::make_unique<NoteFormPresenter>(note, note, messages, help);
  note.SetPresenter(noteForm.get());
  // Notes print on the program's one printer, as the tables do.
  note.SetPrinter(&printEngine.Printer());
  notes = std::make_unique<Notes>(store, *noteForm, radioNote, help);
  notes->MainCaption = [this] { return form->WindowCaption(); };
  radioNote.SetHelpHandler([this] { notes->RadioHelpButtonClick(); });
  form->SetNoteOpener(notes.get());
  form->SetNoteCommand([this](int tab) { notes->NoteButtonClick(tab); });

  // Backup All: the dialog's lists start at the data directory and the root
  // of its drive.
  backup.SetDataDir(store.DataDir);
  backupForm = std::make_unique<BackupFormPresenter>(store.DataDir, backup, help, messages);
  backup.SetBackupHandler([this] { backupForm->BackupBtnClick(); });
  backup.SetHelpHandler([this] { backupForm->HelpBtnClick(); });
  backupForm->UnsavedChanges = [this] { return store.HasUnsavedChanges(); };
  backupForm->SaveChanges = [this] { return store.SaveAll(); };
  form->OpenBackupForm = [this] { backupForm->BackupItemClick(); };
  form->SetCommandAvailable(Command::BackupItem, true);

  // Print: the dialog prints the grid under the window's caption, in the
  // grid's font, on the printer its Setup button chooses.
  printForm = std::make_unique<PrintFormPresenter>(
      form->grid, [this] { return form->WindowCaption(); }, [this] { return PrintFontOf(store.tableFont); }, print,
      printEngine, help, messages);
  print.SetPrinter(&printEngine.Printer());
  printEngine.SetStatusHandler([this](const QString& text) { print.ShowStatus(text); });
  print.SetOkHandler([this] { printForm->OkButtonClick(); });
  print.SetSetupHandler([this] { printForm->SetupButtonClick(); });
  print.SetHelpHandler([this] { printForm->HelpButtonClick(); });
  form->OpenPrintForm = [this] { printForm->PrintButtonClick(); };
  form->SetCommandAvailable(Command::Print, true);

  // The game window: Update on the Schedule tab.
  gameForm =
      std::make_unique<GameFormPresenter>(store, form->tables, form->scheduleListBox, game, messages, help);
  game.SetPresenter(gameForm.get());
  form->OpenGameForm = [this] { gameForm->Run(); };

  // Import QKT: the file dialog starts in the data directory.
  openDialog.setDirectory(store.DataDir);
  openDialog.SetHelpHandler([this] { help.OpenHelp(QStringLiteral("Import_QKT")); });
  importer = std::make_unique<ImportPresenter>(store, form->tables, openDialog, messages);
  form->RunImport = [this] { importer->ImportItemClick(); };
  form->SetCommandAvailable(Command::ImportItem, true);

  // Make in the game window: the schedule maker over the field-selection
  // and field-time windows.
  makeForm = std::make_unique<MakeFormPresenter>(store, fieldTimes, messages);
  fieldTimes.SetPresenter(makeForm.get());
  fieldForm = std::make_unique<FieldFormPresenter>(store, fieldSelect, makeForm.get(), messages);
  fieldSelect.SetPresenter(fieldForm.get());
  scheduleMaker = std::make_unique<ScheduleMaker>(store, *fieldForm, messages);
  gameForm->MakeSchedule = [this] { return scheduleMaker->MakeButtonClick(); };

  // Setup, Font and the header clicks: the display of each league's tables.
  displaySetup = std::make_unique<DisplaySetup>(store, form->tables,
                                                SetupViews{setup, playerSort, scheduleSort, fontChooser},
                                                form->scheduleListBox, help);
  for (SetupDialog* dialog : {static_cast<SetupDialog*>(&setup), static_cast<SetupDialog*>(&playerSort),
                              static_cast<SetupDialog*>(&scheduleSort)})
    dialog->SetPresenter(displaySetup.get());
  window.SetCommandHandler(Command::Setup, [this] { displaySetup->SetupButtonClick(); });
  window.SetCommandHandler(Command::Font, [this] { displaySetup->FontButtonClick(); });
  window.SetHeaderClickHandler([this](int col) { displaySetup->HeaderClick(col); });
  form->SetCommandAvailable(Command::Setup, true);
  form->SetCommandAvailable(Command::Font, true);
}

AppWindows::~AppWindows() {
  note.SetPresenter(nullptr);
  game.SetPresenter(nullptr);
  fieldSelect.SetPresenter(nullptr);
  fieldTimes.SetPresenter(nullptr);
  for (SetupDialog* dialog : {static_cast<SetupDialog*>(&setup), static_cast<SetupDialog*>(&playerSort),
                              static_cast<SetupDialog*>(&scheduleSort)})
    dialog->SetPresenter(nullptr);
  window.SetHeaderClickHandler(nullptr);
  store.fontView = nullptr;
  window.SetPresenter(nullptr);
}

void AppWindows::Show() {
  window.show();
  window.FormShow();
}

}  // namespace scv
