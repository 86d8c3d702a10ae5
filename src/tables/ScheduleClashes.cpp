#include "tables/ScheduleClashes.h"

#include <map>
#include <set>
#include <tuple>

#include "store/DataStore.h"
#include "store/Records.h"
#include "store/Text.h"
#include "tables/Schedule.h"

namespace scv {

namespace {

// The record a game names, read without touching the current buffers; the
// empty record when the position names none.
NamedRecord NamedAt(const List& list, int64_t index) {
  if (index < 1 || static_cast<uint64_t>(index) >= list.size()) return {};
  return ParseNamed(list[static_cast<size_t>(index)]);
}

std::string TimeText(const std::string& time) {
  const auto t = GameTime(time);
  if (!t) return time;
  const int hour = t->hour() % 12 == 0 ? 12 : t->hour() % 12;
  return std::to_string(hour) + ":" + ZeroPadded(t->minute(), 2) + (t->hour() < 12 ? " am" : " pm");
}

}  // namespace

std::vector<ScheduleClash> FindScheduleClashes(const DataStore& store) {
  // (date, time, kind, position) -> the games that book it.
  using Slot = std::tuple<std::string, std::string, int, int64_t>;
  std::map<Slot, std::set<int64_t>> bookings;
  for (size_t i = 1; i < store.Games.size(); ++i) {
    const GameRecord game = ParseGame(store.Games[i]);
    if (!game.Mark.empty() || !GameDate(game.Date) || !GameTime(game.Time)) continue;
    const auto book = [&](ScheduleClash::Kind kind, const std::string& index) {
      const int64_t position = ParseFigure(index);
      if (position > 0) bookings[{game.Date, game.Time, kind, position}].insert(static_cast<int64_t>(i));
    };
    book(ScheduleClash::Field, game.Field);
    book(ScheduleClash::Team, game.Home);
    book(ScheduleClash::Team, game.Away);
    for (int k = 1; k <= 4; ++k) book(ScheduleClash::Umpire, game.Umpire(k));
  }

  std::vector<ScheduleClash> clashes;
  for (const auto& [slot, games] : bookings) {
    if (games.size() < 2) continue;
    ScheduleClash clash;
    clash.Date = std::get<0>(slot);
    clash.Time = std::get<1>(slot);
    clash.What = static_cast<ScheduleClash::Kind>(std::get<2>(slot));
    clash.Index = std::get<3>(slot);
    if (clash.What == ScheduleClash::Team) {
      if (clash.Index < static_cast<int64_t>(store.Teams.size())) {
        const TeamRecord team = ParseTeam(store.Teams[static_cast<size_t>(clash.Index)]);
        clash.No = team.No;
        clash.Name = team.Name;
      }
    } else {
      const NamedRecord named =
          NamedAt(clash.What == ScheduleClash::Field ? store.Fields : store.Umpires, clash.Index);
      clash.No = named.No;
      clash.Name = named.Name;
    }
    clash.Games.assign(games.begin(), games.end());
    clashes.push_back(std::move(clash));
  }
  return clashes;
}

std::string ClashText(const ScheduleClash& clash) {
  static const char* const kinds[] = {"field", "team", "umpire"};
  std::string text;
  const auto date = GameDate(clash.Date);
  text += date ? ZeroPadded(date->year(), 4) + "/" + ZeroPadded(date->month(), 2) + "/" +
                     ZeroPadded(date->day(), 2)
               : clash.Date;
  text += " " + TimeText(clash.Time) + ": " + kinds[clash.What] + " ";
  // Named by its number and name; by its position when its record has neither.
  std::string label = Trim(Trim(clash.No) + " " + Trim(clash.Name));
  if (label.empty()) label = "#" + std::to_string(clash.Index);
  text += label + " has games ";
  for (size_t k = 0; k < clash.Games.size(); ++k) {
    if (k > 0) text += k + 1 == clash.Games.size() ? " and " : ", ";
    text += std::to_string(clash.Games[k]);
  }
  return text;
}

}  // namespace scv
