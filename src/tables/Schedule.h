#pragma once
// The schedule's own texts and keys: the five sort orders, the sort key of a
// game, and the weekday, date and time cells made from a game's stored date
// ("yyyymmdd") and time ("hhnn", 24-hour clock).
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include <QDate>
#include <QTime>

#include "store/Records.h"

namespace scv {

// The sort choices of the schedule, as stored in position 7 of SortKeys
// (128 + the choice).
enum ScheduleSort : int {
  SortByField = 0,
  SortByDate = 1,
  SortByTime = 2,
  SortByHome = 3,
  SortByAway = 4,
  ScheduleSortCount = 5
};
// "Field Number", "Game Date", "Game Time", "Home Team", "Away Team".
extern const std::array<const char*, ScheduleSortCount> ScheduleSortNames;

// Position 7 of SortKeys and SortDown holds the schedule's choice.
constexpr size_t kScheduleSortPosition = 6;
// The schedule's sort choice of a league record; an unknown code sorts by date.
int ScheduleSortChoice(const LeagueRecord& league);
bool ScheduleSortDescending(const LeagueRecord& league);
// Stores a choice (0..4; anything else is taken as "Game Date") and a
// direction into the league record; the caller writes the record back.
void SetScheduleSort(LeagueRecord& league, int choice, bool descending);

// The schedule column (logical, 1 to 20) that shows what a sort choice
// sorts by: " Fld#", " Date", " Time", " Home", " Away"; and the choice a
// column stands for, or -1.
int ScheduleSortColumn(int choice);
int ScheduleSortOfColumn(int column);

// The three key parts are 8 characters each, so the game's position starts
// at character 25 of a row-list line.
constexpr size_t kScheduleKeyWidth = 24;
using ScheduleKey = std::array<char, kScheduleKeyWidth>;

// The 24-character sort key of a game from its stored date and time and the
// numbers (No) of its field and teams; only those the choice sorts by are
// read. A game without a field or team gives the empty number.
ScheduleKey ScheduleSortKey(int choice, std::string_view date, std::string_view time,
                            std::string_view fieldNo, std::string_view homeNo, std::string_view awayNo);

// The game's date and time as stored; nullopt when the text does not form a
// valid date ("yyyymmdd") or time ("hhnn", 00:00 to 23:59).
std::optional<QDate> GameDate(std::string_view date);
std::optional<QTime> GameTime(std::string_view time);

// The cells of the " Day", " Date" and " Time" columns, each with its leading
// space: " Sat", " 5-3", " 6:30 p". A date or time that is not valid shows a
// lone space. The weekday name is the locale's abbreviated one.
std::string WeekdayCell(std::string_view date);
std::string DateCell(std::string_view date);
std::string DateCell(const QDate& date);
std::string TimeCell(std::string_view time);

// The " Day" cells of the seven weekdays in the locale of the moment, read
// once for a table build rather than once a row.
class WeekdayCells {
 public:
  WeekdayCells();
  // dayOfWeek: 1 (Monday) to 7.
  const std::string& operator[](int dayOfWeek) const { return cells_[static_cast<size_t>(dayOfWeek)]; }

 private:
  std::array<std::string, 8> cells_;
};

}  // namespace scv
