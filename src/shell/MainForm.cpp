#include "shell/MainForm.h"

#include "store/Text.h"

namespace scv {

namespace {

int StoredSize(const std::string& text) {
  const int64_t n = ParseFigure(text);
  return n > 0 && n <= 99999 ? static_cast<int>(n) : 0;
}

}  // namespace

MainForm::MainForm(DataStore& store_, const MainViews& views_)
    : store(store_),
      views(views_),
      tables(store_, grid, views_.progress, *this),
      pickList(views_.list, views_.name, views_.messages, views_.help),
      scheduleListBox(store_, pickList),
      teamForm(store_, views_.team, views_.messages, tables),
      playerForm(store_, views_.player, views_.messages, tables) {
  available_.fill(true);
  for (Command later : {Command::Setup, Command::Note, Command::Font, Command::Print, Command::BackupItem,
                        Command::ImportItem})
    available_[static_cast<size_t>(later)] = false;
  pickList.notes = views.notes;
}

void MainForm::SetNoteOpener(NoteOpener* notes) {
  views.notes = notes;
  pickList.notes = notes;
}

void MainForm::SetNoteCommand(std::function<void(int tab)> command) {
  noteCommand_ = std::move(command);
  SetCommandAvailable(Command::Note, static_cast<bool>(noteCommand_));
}

bool MainForm::CommandAvailable(Command command) const { return available_[static_cast<size_t>(command)]; }

void MainForm::SetCommandAvailable(Command command, bool available) {
  available_[static_cast<size_t>(command)] = available;
  UpdateCommand(command);
}

void MainForm::UpdateCommand(Command command) {
  bool enabled = CommandAvailable(command);
  const CommandState& state = tableCommands_;
  switch (command) {
    case Command::Setup: enabled = enabled && state.Setup; break;
    case Command::Font: enabled = enabled && state.Font; break;
    case Command::Update: enabled = enabled && state.Update; break;
    case Command::Note: enabled = enabled && state.Note; break;
    case Command::Print: enabled = enabled && state.Print; break;
    default: break;
  }
  views.main.SetCommandEnabled(command, enabled);
}

// ---- start-up, tabs, sizing ------------------------------------------------

void MainForm::FormShow() {
  for (int c = 0; c < kCommands; ++c) UpdateCommand(static_cast<Command>(c));

  store.LoadYears();
  const YearsHeaderRecord& header = store.YearsHeader;
  if (!header.WinHeight.empty() || !header.WinWidth.empty()) {
    const int height = StoredSize(header.WinHeight);
    const int width = StoredSize(header.WinWidth);
    if (height > 0 || width > 0) views.main.SetWindowSize(height, width);
  }

  // CurTab is one character; anything but 0 to 7 opens the first page.
  int tab = TeamsTab;
  const std::string& stored = header.CurTab;
  if (stored.size() == 1 && stored[0] >= '0' && stored[0] < '0' + TabCount) tab = stored[0] - '0';
  views.main.SelectTab(tab);
  BottomTabClick(tab);
}

void MainForm::BottomTabClick(int tab) {
  if (tab < 0 || tab >= TabCount) return;
  tables.BottomTabClick(tab);
}

void MainForm::TableSelectCell(int col, int row) { tables.TableSelectCell(col, row); }

void MainForm::FormResize(int height, int width, bool normalState) { tables.FormResize(height, width, normalState); }

// ---- navigation -------------------------------------------------------------

void MainForm::YearButtonClick() {
  views.list.SetCaption(QStringLiteral("Year"));
  const std::string chosen = pickList.Run(store.Years, store.YearsHeader.CurYear);
  store.ReadYear(chosen);
  if (chosen != store.YearsHeader.CurYear) {
    store.YearsHeader.CurYear = chosen;
    tables.BuildHeaders();
  } else if (pickList.PickChanged) {
    tables.ShowTable();
  } else {
    views.main.FocusTable();
  }
}

bool MainForm::ParentChosen(const std::string& parentMark, void (MainForm::*parentCommand)()) {
  if (parentMark.empty()) return true;
  (this->*parentCommand)();
  return parentMark.empty();
}

void MainForm::ChildPicked(const std::string& chosen, std::string& current, bool& listChanged,
                           bool (DataStore::*writeParent)(), bool newHeaders) {
  if (pickList.PickChanged) listChanged = true;
  if (chosen != current) {
    current = chosen;
    (store.*writeParent)();
    if (newHeaders) {
      tables.BuildHeaders();
      return;
    }
    tables.ShowTable();
  } else if (pickList.PickChanged) {
    tables.ShowTable();
  }
}

void MainForm::LeagueButtonClick() {
  if (ParentChosen(store.CurrentYear.Mark, &MainForm::YearButtonClick) && store.LoadLeagues()) {
    views.list.SetCaption(QStringLiteral("League"));
    const std::string chosen = pickList.Run(store.Leagues, store.CurrentYear.CurLeague);
    store.ReadLeague(chosen);
    ChildPicked(chosen, store.CurrentYear.CurLeague, store.LeaguesChanged, &DataStore::WriteYear, true);
  }
  views.main.FocusTable();
}

void MainForm::TeamButtonClick() {
  store.LoadLeagues();
  if (ParentChosen(store.CurrentLeague.Mark, &MainForm::LeagueButtonClick) && store.LoadTeams()) {
    views.list.SetCaption(QStringLiteral("Team"));
    const std::string chosen = pickList.Run(store.Teams, store.CurrentLeague.CurTeam);
    store.ReadTeam(chosen);
    ChildPicked(chosen, store.CurrentLeague.CurTeam, store.TeamsChanged, &DataStore::WriteLeague, false);
  }
  views.main.FocusTable();
}

void MainForm::PlayerButtonClick() {
  store.LoadTeams();
  if (ParentChosen(store.CurrentTeam.Mark, &MainForm::TeamButtonClick) && store.LoadPlayers()) {
    views.list.SetCaption(QStringLiteral("Player"));
    const std::string chosen = pickList.Run(store.Players, store.CurrentTeam.CurPlayer);
    store.ReadPlayer(chosen);
    // A player added, renamed or deleted changes the team's figures.
    if (pickList.PickChanged) tables.Cache.Invalidate();
    ChildPicked(chosen, store.CurrentTeam.CurPlayer, store.PlayersChanged, &DataStore::WriteTeam, false);
  }
  views.main.FocusTable();
}

// ---- Update -------------------------------------------------------------------

void MainForm::UpdateButtonClick() {
  const int tab = tables.CurrentTab;
  if (tab == TeamsTab) {
    // The dialog writes into the current league's team list: make sure that
    // is the list in memory.
    if (store.LoadTeams()) {
      if (!store.CurrentTeam.Mark.empty()) TeamButtonClick();
      if (store.CurrentTeam.Mark.empty()) teamForm.Run();
    }
  } else if (tab >= PlayersTab && tab <= CustomTab) {
    if (store.LoadPlayers()) {
      if (!store.CurrentPlayer.Mark.empty()) PlayerButtonClick();
      if (store.CurrentPlayer.Mark.empty()) playerForm.Run();
    }
  } else if (tab == ScheduleTab) {
    if (!store.CurrentLeague.Mark.empty()) LeagueButtonClick();
    if (store.CurrentLeague.Mark.empty() && OpenGameForm) OpenGameForm();
  }
  views.main.FocusTable();
}

// ---- Notes ---------------------------------------------------------------------

void MainForm::NoteButtonClick() {
  if (noteCommand_ && CommandAvailable(Command::Note)) noteCommand_(tables.CurrentTab);
  views.main.FocusTable();
}

// ---- the other commands ------------------------------------------------------

void MainForm::FileButtonClick() {
  views.main.ShowFileMenu();
  views.main.FocusTable();
}

void MainForm::HelpButtonClick() {
  views.help.OpenHelp(QStringLiteral("Contents"));
  views.main.FocusTable();
}

void MainForm::QuitButtonClick() { views.main.CloseWindow(); }

void MainForm::SaveItemClick() {
  store.SaveAll();  // a failure has been reported; the changed flags stay set
  views.main.FocusTable();
}

void MainForm::BackupItemClick() {
  if (OpenBackupForm) OpenBackupForm();
  views.main.FocusTable();
}

void MainForm::ImportItemClick() {
  if (RunImport && CommandAvailable(Command::ImportItem)) RunImport();
  views.main.FocusTable();
}

void MainForm::PrintButtonClick() {
  if (OpenPrintForm && CommandAvailable(Command::Print)) OpenPrintForm();
  views.main.FocusTable();
}

void MainForm::AboutItemClick() { views.main.ShowAbout(); }

bool MainForm::FormCloseQuery() {
  if (store.SaveAll()) return true;
  return views.messages.Confirm(QStringLiteral("Could not save all data. Exit anyway?"));
}

// ---- TableHost -----------------------------------------------------------------

void MainForm::SetCaption(const std::string& caption) {
  // The window shows its title while the caption is blank.
  caption_ = Trim(caption).empty() ? std::string("Scorvane") : caption;
  views.main.SetWindowCaption(Decode(caption));
}

void MainForm::SetCommands(const CommandState& state) {
  tableCommands_ = state;
  for (Command c : {Command::Setup, Command::Font, Command::Update, Command::Note, Command::Print}) UpdateCommand(c);
}

void MainForm::GridChanged() { views.main.GridChanged(); }

void MainForm::FocusGrid() { views.main.FocusTable(); }

}  // namespace scv
