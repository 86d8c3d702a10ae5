#include "schedule/GameForm.h"

#include "dialogs/ListView.h"
#include "schedule/BoxDateTime.h"
#include "schedule/ScheduleListBox.h"
#include "store/DataStore.h"
#include "store/Messages.h"
#include "store/Text.h"
#include "tables/Schedule.h"
#include "tables/Tables.h"

namespace scv {

namespace {

using Slot = ScheduleListBox::Slot;

// The picker code of each slot's pick button.
constexpr char kSlotCodes[ScheduleListBox::SlotCount] = {'F', 'H', 'A', '1', '2', '3', '4'};

std::string Part(std::string_view text, size_t from, size_t count) {
  return from < text.size() ? std::string(text.substr(from, count)) : std::string();
}

bool ValidSlot(int slot) { return slot >= 0 && slot < ScheduleListBox::SlotCount; }

}  // namespace

GameFormPresenter::GameFormPresenter(DataStore& store_, Tables& tables_, ScheduleListBox& picker_,
                                     GameFormView& view_, Messages& messages_, HelpView& help_)
    : store(store_), tables(tables_), picker(picker_), view(view_), messages(messages_), help(help_) {}

void GameFormPresenter::Run() {
  // The window shows and picks from the current league's lists; when one of
  // them cannot be read (the error has been shown) it does not open.
  if (!store.LoadTeams() || !store.LoadGames() || !store.LoadFields() || !store.LoadUmpires()) return;

  // With no game in the table the window shows an empty game, which OK adds.
  const bool tableEmpty = tables.ScheduleEmpty();
  store.ReadGame(tableEmpty ? std::string_view() : std::string_view(store.CurrentLeague.CurGame));

  const GameRecord& game = store.CurrentGame;
  picker.Slots = {game.Field, game.Home, game.Away, game.U1, game.U2, game.U3, game.U4};
  ShowDateTime();
  for (int slot = 0; slot < ScheduleListBox::SlotCount; ++slot) ShowRow(slot);
  view.SetText(GameFormView::EditHTS, game.HTS);
  view.SetText(GameFormView::EditATS, game.ATS);
  view.SetCaption(store.CurrentYear.No + " " + store.CurrentLeague.Name + " Schedule");
  view.SetMakeEnabled(static_cast<bool>(MakeSchedule));
  view.FocusYear();

  picksChanged_ = false;
  GameResult result = view.Exec();
  // The pickers read other teams into the current team record.
  store.ReadTeam(store.CurrentLeague.CurTeam);
  if (result == GameResult::Ok && tableEmpty) result = GameResult::Add;

  bool rebuilt = false;
  switch (result) {
    case GameResult::Cancel:
      break;
    case GameResult::ScheduleMade:
      tables.ShowTable();
      rebuilt = true;
      break;
    case GameResult::Add: {
      const size_t before = store.Games.size();
      store.AddGame();
      if (store.Games.size() == before) {
        // A sixth digit would not fit where games are referred to; without
        // its own line the new game must not overwrite the one shown.
        messages.Error(QStringLiteral("No more than 99999 games fit in the schedule."));
        break;
      }
      StoreWindow();
      rebuilt = true;
      break;
    }
    case GameResult::Ok:
      StoreWindow();
      rebuilt = true;
      break;
    case GameResult::Delete:
      rebuilt = DeleteGame(tableEmpty);
      break;
  }
  // Fields, teams or umpires changed in the pick list show in the table.
  if (picksChanged_ && !rebuilt) tables.ShowTable();
}

void GameFormPresenter::ShowDateTime() {
  // A stored date or time that does not read as one (empty, month 13, hour
  // 25, letters) shows its stored characters, so it can be corrected.
  const GameRecord& game = store.CurrentGame;
  DateBoxes date;
  if (const auto d = GameDate(game.Date))
    date = ToDateBoxes(*d);
  else
    date = {Part(game.Date, 0, 4), Part(game.Date, 4, 2), Part(game.Date, 6, 2)};
  TimeBoxes time;
  if (const auto t = GameTime(game.Time))
    time = ToTimeBoxes(*t);
  else
    time = {Part(game.Time, 0, 2), Part(game.Time, 2, 2), true};
  view.SetText(GameFormView::EditYr, date.year);
  view.SetText(GameFormView::EditMo, date.month);
  view.SetText(GameFormView::EditDa, date.day);
  view.SetText(GameFormView::EditHr, time.hour);
  view.SetText(GameFormView::EditMn, time.minute);
  view.SetPm(time.pm);
}

void GameFormPresenter::ShowRow(int slot) {
  if (!ValidSlot(slot)) return;
  const std::string& index = picker.Slots[static_cast<size_t>(slot)];
  if (slot == Slot::FieldSlot) {
    store.ReadField(index);
    view.SetRow(slot, store.CurrentField.No, store.CurrentField.Name);
  } else if (slot == Slot::HomeSlot || slot == Slot::AwaySlot) {
    store.ReadTeam(index);
    view.SetRow(slot, store.CurrentTeam.No, store.CurrentTeam.Name);
  } else {
    store.ReadUmpire(index);
    view.SetRow(slot, store.CurrentUmpire.No, store.CurrentUmpire.Name);
  }
}

void GameFormPresenter::OkButtonClick() { OkAddClick(GameResult::Ok); }
void GameFormPresenter::AddButtonClick() { OkAddClick(GameResult::Add); }

void GameFormPresenter::OkAddClick(GameResult result) {
  const bool readable =
      ReadBoxDate(view.Text(GameFormView::EditYr), view.Text(GameFormView::EditMo),
                  view.Text(GameFormView::EditDa)) &&
      ReadBoxTime(view.Text(GameFormView::EditHr), view.Text(GameFormView::EditMn), view.Pm());
  if (!readable) {
    view.FocusYear();
    messages.Error(QStringLiteral("Enter Correct Date and Time"));
    return;
  }
  view.Close(result);
}

void GameFormPresenter::DeleteButtonClick() { view.Close(GameResult::Delete); }

void GameFormPresenter::MakeButtonClick() {
  if (MakeSchedule && MakeSchedule()) view.Close(GameResult::ScheduleMade);
}

void GameFormPresenter::HelpButtonClick() {
  help.OpenHelp(QStringLiteral("Update_Button"));
  view.FocusOk();
}

void GameFormPresenter::PickButtonClick(int slot) {
  if (!ValidSlot(slot)) return;
  picker.Pick(kSlotCodes[slot]);
  if (picker.PickChanged()) picksChanged_ = true;
  ShowRow(slot);
}

void GameFormPresenter::ClearButtonClick(int slot) {
  if (!ValidSlot(slot)) return;
  picker.Slots[static_cast<size_t>(slot)].clear();
  view.SetRow(slot, std::string(), std::string());
}

void GameFormPresenter::StoreWindow() {
  GameRecord& game = store.CurrentGame;
  const auto date = ReadBoxDate(view.Text(GameFormView::EditYr), view.Text(GameFormView::EditMo),
                                view.Text(GameFormView::EditDa));
  const auto time = ReadBoxTime(view.Text(GameFormView::EditHr), view.Text(GameFormView::EditMn), view.Pm());
  if (date && time) {
    game.Date = StoredDate(*date);
    game.Time = StoredTime(*time);
  }
  const auto& slots = picker.Slots;
  game.Field = slots[Slot::FieldSlot];
  game.Home = slots[Slot::HomeSlot];
  game.Away = slots[Slot::AwaySlot];
  for (int k = 1; k <= 4; ++k) game.Umpire(k) = slots[static_cast<size_t>(Slot::Umpire1Slot + k - 1)];

  // A game counts as played once either side has scored; a shutout keeps
  // the losing side's 0.
  const int64_t home = ParseFigure(view.Text(GameFormView::EditHTS));
  const int64_t away = ParseFigure(view.Text(GameFormView::EditATS));
  if (home + away != 0) {
    game.HTS = FigureText(home);
    game.ATS = FigureText(away);
  } else {
    game.HTS.clear();
    game.ATS.clear();
  }
  store.WriteGame();
  tables.ShowTable();
}

bool GameFormPresenter::DeleteGame(bool tableEmpty) {
  switch (messages.ConfirmYesNoAll(QStringLiteral("Delete this game from schedule?"))) {
    case Messages::Answer::Yes:
      // An empty table leaves an empty game in the window, with no line of
      // its own: there is nothing to mark.
      if (!tableEmpty) {
        store.CurrentGame.Mark.assign(1, 'X');
        store.WriteGame();
      }
      tables.ShowTable();
      return true;
    case Messages::Answer::No:
      return false;
    case Messages::Answer::All:
      if (!messages.Confirm(QStringLiteral("Delete all games from schedule?"))) return false;
      if (store.Games.empty()) store.Games.push_back("G|");
      store.Games.resize(1);
      store.GamesChanged = true;
      store.CurrentLeague.CurGame.clear();
      store.WriteLeague();
      tables.ShowTable();
      return true;
    default:
      tables.ShowTable();
      return true;
  }
}

}  // namespace scv
