#pragma once
// Double bookings in a league's schedule: a field, a team or an umpire named
// by two or more live games at the same date and time.
#include <cstdint>
#include <string>
#include <vector>

namespace scv {

class DataStore;

struct ScheduleClash {
  enum Kind : int { Field = 0, Team = 1, Umpire = 2 };
  std::string Date, Time;  // as stored: "yyyymmdd", "hhnn"
  Kind What = Field;
  int64_t Index = 0;           // the field's, team's or umpire's list position
  std::string No, Name;        // from its record (empty when it has none)
  std::vector<int64_t> Games;  // the games' list positions, ascending
};

// The clashes of the games list in memory, by date, time, kind (fields,
// teams, umpires) and position. Deleted games and games without a valid date
// or time are left out; a reference that is empty or 0 books nothing. Reads
// the lists only: no current record changes.
std::vector<ScheduleClash> FindScheduleClashes(const DataStore& store);

// "2026/06/06 10:00 am: field 1 Memorial Park has games 3 and 7".
std::string ClashText(const ScheduleClash& clash);

}  // namespace scv
