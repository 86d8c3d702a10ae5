#include "tables/ScheduleClashes.h"

#include <algorithm>
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
  // Every booking of a live game, sorted so that the bookings of one field,
  // team or umpire at one date and time are neighbours. A valid date and
  // time have fixed widths, so their numbers sort as their texts do.
  struct Booking {
    int64_t when;  // yyyymmddhhnn
    int kind;
    int64_t position;
    int64_t game;
    bool operator<(const Booking& o) const {
      return std::tie(when, kind, position, game) < std::tie(o.when, o.kind, o.position, o.game);
    }
  };
  std::vector<Booking> bookings;
  bookings.reserve(store.Games.size() * 3);
  for (size_t i = 1; i < store.Games.size(); ++i) {
    const GameRecord game = ParseGame(store.Games[i]);
    if (!game.Mark.empty() || !GameDate(game.Date) || !GameTime(game.Time)) continue;
    const int64_t when = ParseFigure(game.Date) * 10000 + ParseFigure(game.Time);
    const auto book = [&](ScheduleClash::Kind kind, const std::string& index) {
      const int64_t position = ParseFigure(index);
      if (position > 0) bookings.push_back({when, kind, position, static_cast<int64_t>(i)});
    };
    book(ScheduleClash::Field, game.Field);
    book(ScheduleClash::Team, game.Home);
    book(ScheduleClash::Team, game.Away);
    for (int k = 1; k <= 4; ++k) book(ScheduleClash::Umpire, game.Umpire(k));
  }
  std::sort(bookings.begin(), bookings.end());

  std::vector<ScheduleClash> clashes;
  for (size_t first = 0; first < bookings.size();) {
    const Booking& b = bookings[first];
    size_t last = first + 1;
    while (last < bookings.size() && bookings[last].when == b.when && bookings[last].kind == b.kind &&
           bookings[last].position == b.position)
      ++last;
    ScheduleClash clash;
    // A game naming one umpire twice books that umpire once.
    for (size_t k = first; k < last; ++k)
      if (clash.Games.empty() || clash.Games.back() != bookings[k].game)
        clash.Games.push_back(bookings[k].game);
    if (clash.Games.size() >= 2) {
      clash.Date = ZeroPadded(b.when / 10000, 8);
      clash.Time = ZeroPadded(b.when % 10000, 4);
      clash.What = static_cast<ScheduleClash::Kind>(b.kind);
      clash.Index = b.position;
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
      clashes.push_back(std::move(clash));
    }
    first = last;
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
