#include "schedule/ScheduleMaker.h"

#include <algorithm>

#include "schedule/FieldTimes.h"
#include "schedule/PairingTables.h"
#include "store/DataStore.h"
#include "store/Messages.h"
#include "store/Text.h"
#include "tables/ScheduleClashes.h"

namespace scv {

namespace {

// A schedule holds at most 99999 games: indexes have 5 digits.
constexpr size_t kMostGames = 99999;
// The clashes listed by name after a schedule is made.
constexpr size_t kClashesListed = 20;

std::string PadLeft(const std::string& text, size_t width) {
  return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string PadRight(std::string text, size_t width) {
  if (text.size() < width) text.resize(width, ' ');
  return text;
}

// The made games may book a field, a team or an umpire twice at one time
// (the times are the user's, and earlier games stay): say so, without
// changing anything.
void ReportClashes(const DataStore& store, Messages& messages) {
  const std::vector<ScheduleClash> clashes = FindScheduleClashes(store);
  if (clashes.empty()) return;
  QString text =
      QStringLiteral("These fields, teams or umpires have two or more games at the same date and time:\n");
  const size_t listed = std::min(clashes.size(), kClashesListed);
  for (size_t k = 0; k < listed; ++k) text += QLatin1Char('\n') + Decode(ClashText(clashes[k]));
  if (clashes.size() > listed) text += QStringLiteral("\n... and %1 more.").arg(clashes.size() - listed);
  messages.Information(text);
}

}  // namespace

ScheduleMaker::ScheduleMaker(DataStore& store_, FieldFormPresenter& fieldForm_, Messages& messages_)
    : store(store_), fieldForm(fieldForm_), messages(messages_) {}

std::vector<std::string> ScheduleMaker::TeamOrder(DataStore& store) {
  std::vector<std::string> order;
  for (size_t r = 1; r < store.Teams.size(); ++r) {
    store.ReadTeam(static_cast<int64_t>(r));
    if (store.CurrentTeam.Mark.empty()) order.push_back(PadLeft(store.CurrentTeam.No, 5) + std::to_string(r));
  }
  SortLines(order);
  return order;
}

std::vector<std::string> ScheduleMaker::FieldList(DataStore& store) {
  std::vector<std::string> fields;
  for (size_t r = 1; r < store.Fields.size(); ++r) {
    store.ReadField(static_cast<int64_t>(r));
    if (store.CurrentField.Mark.empty())
      fields.push_back(PadLeft(store.CurrentField.No, 5) + PadRight(std::to_string(r), 5) +
                       store.CurrentField.Name);
  }
  SortLines(fields);
  return fields;
}

void ScheduleMaker::AddGames(DataStore& store, const std::vector<std::string>& teamOrder) {
  const std::vector<Pairing>& table = PairingTable(static_cast<int>(teamOrder.size()));
  if (table.empty()) return;
  const auto team = [&](int number) { return teamOrder[static_cast<size_t>(number - 1)].substr(5, 5); };
  for (size_t i = 0; i < store.Times.size(); ++i) {
    const std::string& entry = store.Times[i];
    GameRecord& game = store.CurrentGame;
    game = GameRecord();
    game.Date = TimeEntryDate(entry);
    game.Time = TimeEntryTime(entry);
    game.Field = TimeEntryField(entry);
    const auto [a, b] = table[i % table.size()];
    const bool exchanged = (i / table.size()) % 2 == 1;
    game.Home = team(exchanged ? b : a);
    game.Away = team(exchanged ? a : b);
    store.AddGame();
  }
}

bool ScheduleMaker::MakeButtonClick() {
  if (!store.LoadTeams() || !store.LoadGames() || !store.LoadFields() || !store.LoadUmpires()) return false;
  const std::vector<std::string> teams = TeamOrder(store);
  const std::vector<std::string> fields = FieldList(store);

  const QString question = QStringLiteral(
                               "To change the baseball fields available or the number of teams to schedule, "
                               "respond \"No\" to this "
                               "message, then select the \"Field\" or \"Home Tm\" buttons. You have %1 "
                               "fields available and %2 teams "
                               "to schedule. You don't have to use all the fields. Continue?")
                               .arg(fields.size())
                               .arg(teams.size());
  if (!messages.Confirm(question)) return false;
  if (fields.empty()) {
    messages.Error(QStringLiteral("No fields to schedule"));
    return false;
  }
  if (teams.size() < static_cast<size_t>(kFewestTeams) || teams.size() > static_cast<size_t>(kMostTeams)) {
    messages.Error(QStringLiteral("Number of teams must be from 3 to 20"));
    return false;
  }
  if (!store.LoadTimes()) return false;
  if (!fieldForm.Run(fields)) return false;

  // Every entry becomes a game; a schedule that cannot take them all gets
  // none of them.
  const size_t games = store.Games.empty() ? 0 : store.Games.size() - 1;
  if (games + store.Times.size() > kMostGames) {
    messages.Error(
        QStringLiteral("No more than 99999 games fit in the schedule: it has %1 games, and the fields' "
                       "times would add %2.")
            .arg(games)
            .arg(store.Times.size()));
    return false;
  }
  if (store.Games.empty()) store.Games.push_back("G|");
  AddGames(store, teams);
  ReportClashes(store, messages);
  return true;
}

}  // namespace scv
