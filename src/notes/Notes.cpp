#include "notes/Notes.h"

#include <array>

#include <QDate>
#include <QLocale>

#include "notes/NoteFile.h"
#include "store/DataStore.h"
#include "store/Text.h"
#include "tables/Tables.h"

namespace scv {

namespace {

bool Digits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

int Number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

std::string Described(const std::string& no, const std::string& name) { return no + " " + name; }

}  // namespace

Notes::Notes(DataStore& store_, NoteFormPresenter& form_, RadioNoteView& radio_, HelpView& help_)
    : store(store_), form(form_), radio(radio_), help(help_) {}

QString Notes::NotePath(std::string_view title, std::string_view index) const {
  if (title.empty()) return QString();
  const char kind = title.front();
  std::string key;
  if (!NoteKey(store, kind, key)) return QString();
  const std::string name = NoteFileName(kind, key, index);
  if (name.empty()) return QString();
  return store.FilePath(name);
}

void Notes::OpenNote(const std::string& title, const std::string& index) {
  const std::string cutTitle = Cut(title, kMaxNoteTitle);
  const std::string cutIndex = Cut(index, Width::Index);
  const QString path = NotePath(cutTitle, cutIndex);
  if (path.isEmpty()) return;
  const std::string caption = MainCaption ? MainCaption() : std::string("Scorvane");
  form.Open(path, {caption, cutTitle});
}

void Notes::NoteButtonClick(int tab) {
  if (tab == TeamsTab) {
    if (!store.LoadTeams() || !store.CurrentTeam.Mark.empty()) return;
    OpenNote("TEAM: " + store.CurrentTeam.Name, store.CurrentLeague.CurTeam);
  } else if (tab >= PlayersTab && tab <= CustomTab) {
    if (!store.LoadPlayers() || !store.CurrentPlayer.Mark.empty()) return;
    OpenNote("PLAYER:" + store.CurrentPlayer.Name, store.CurrentTeam.CurPlayer);
  } else if (tab == ScheduleTab) {
    GameNotes();
  }
}

void Notes::GameNotes() {
  // The game's field, teams and umpires are read from the league's lists.
  if (!store.LoadGames() || !store.LoadFields() || !store.LoadUmpires() || !store.LoadTeams()) return;
  if (!store.CurrentGame.Mark.empty()) return;  // no game chosen
  const GameRecord game = store.CurrentGame;

  std::array<std::string, RadioNoteView::ItemCount> labels;
  store.ReadField(game.Field);
  labels[RadioNoteView::Field] = Described(store.CurrentField.No, store.CurrentField.Name);
  labels[RadioNoteView::Game] = GameTimeText(game.Date, game.Time);
  store.ReadTeam(game.Home);
  labels[RadioNoteView::HomeTeam] = Described(store.CurrentTeam.No, store.CurrentTeam.Name);
  store.ReadTeam(game.Away);
  labels[RadioNoteView::AwayTeam] = Described(store.CurrentTeam.No, store.CurrentTeam.Name);
  // The current team is the league's again.
  store.ReadTeam(store.CurrentLeague.CurTeam);
  for (int u = 1; u <= 4; ++u) {
    store.ReadUmpire(game.Umpire(u));
    labels[RadioNoteView::Umpire1 + u - 1] = Described(store.CurrentUmpire.No, store.CurrentUmpire.Name);
  }
  for (int i = 0; i < RadioNoteView::ItemCount; ++i)
    radio.SetLabel(static_cast<RadioNoteView::Item>(i), labels[static_cast<size_t>(i)]);

  radio.FocusRadioGroup();
  if (!radio.Exec()) return;

  const std::string& field = labels[RadioNoteView::Field];
  const std::string& home = labels[RadioNoteView::HomeTeam];
  const std::string& away = labels[RadioNoteView::AwayTeam];
  const RadioNoteView::Item item = radio.SelectedItem();
  switch (item) {
    case RadioNoteView::Field:
      OpenNote("Field: " + field, game.Field);
      break;
    case RadioNoteView::Game:
      OpenNote("Game: " + home + " vs " + away + "  " + labels[RadioNoteView::Game] + " at " + field,
               store.CurrentLeague.CurGame);
      break;
    case RadioNoteView::HomeTeam:
      OpenNote("Team: " + home, game.Home);
      break;
    case RadioNoteView::AwayTeam:
      OpenNote("Team: " + away, game.Away);
      break;
    case RadioNoteView::Umpire1:
    case RadioNoteView::Umpire2:
    case RadioNoteView::Umpire3:
    case RadioNoteView::Umpire4: {
      const int u = item - RadioNoteView::Umpire1 + 1;
      OpenNote("Umpire: " + labels[static_cast<size_t>(item)], game.Umpire(u));
      break;
    }
    default:
      break;
  }
}

void Notes::RadioHelpButtonClick() {
  help.OpenHelp(QStringLiteral("Notes_Button"));
  radio.FocusOkButton();
}

std::string Notes::GameTimeText(std::string_view date, std::string_view time) {
  std::string text;
  if (date.size() == 8 && Digits(date)) {
    const QDate day(Number(date.substr(0, 4)), Number(date.substr(4, 2)), Number(date.substr(6, 2)));
    if (day.isValid()) {
      text = Encode(QLocale().dayName(day.dayOfWeek(), QLocale::ShortFormat)) + " " +
             std::to_string(day.month()) + "-" + std::to_string(day.day());
    }
  }
  if (time.size() == 4 && Digits(time)) {
    const int hour = Number(time.substr(0, 2));
    const int minute = Number(time.substr(2, 2));
    if (hour < 24 && minute < 60) {
      const int h12 = hour % 12 == 0 ? 12 : hour % 12;
      const std::string clock = std::to_string(h12) + ":" + (minute < 10 ? "0" : "") +
                                std::to_string(minute) + (hour < 12 ? " am" : " pm");
      text = text.empty() ? clock : text + " at " + clock;
    }
  }
  return text;
}

}  // namespace scv
