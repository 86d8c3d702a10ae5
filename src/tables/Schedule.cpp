#include "tables/Schedule.h"

#include <QLocale>

#include "store/Text.h"

namespace scv {

const std::array<const char*, ScheduleSortCount> ScheduleSortNames = {"Field Number", "Game Date",
                                                                      "Game Time", "Home Team", "Away Team"};

namespace {

constexpr size_t kPart = 8;

// Numbers are right-aligned, so the list's text order puts 2 before 10.
std::string RightAligned(std::string_view text) {
  text = text.substr(0, kPart);
  return std::string(kPart - text.size(), ' ') + std::string(text);
}

std::string LeftAligned(std::string_view text) {
  std::string part(text.substr(0, kPart));
  part.resize(kPart, ' ');
  return part;
}

bool AllDigits(std::string_view text) {
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

int Number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

}  // namespace

int ScheduleSortChoice(const LeagueRecord& league) {
  if (league.SortKeys.size() <= kScheduleSortPosition) return SortByDate;
  const int choice = static_cast<unsigned char>(league.SortKeys[kScheduleSortPosition]) - 128;
  return choice >= 0 && choice < ScheduleSortCount ? choice : SortByDate;
}

bool ScheduleSortDescending(const LeagueRecord& league) {
  return league.SortDown.size() > kScheduleSortPosition && league.SortDown[kScheduleSortPosition] == '1';
}

void SetScheduleSort(LeagueRecord& league, int choice, bool descending) {
  if (choice < 0 || choice >= ScheduleSortCount) choice = SortByDate;
  if (league.SortKeys.size() < Width::SortKeys)
    league.SortKeys.resize(Width::SortKeys, static_cast<char>(129));
  if (league.SortDown.size() < Width::SortDown) league.SortDown.resize(Width::SortDown, ' ');
  league.SortKeys[kScheduleSortPosition] = static_cast<char>(128 + choice);
  league.SortDown[kScheduleSortPosition] = descending ? '1' : ' ';
}

namespace {
constexpr std::array<int, ScheduleSortCount> kSortColumns = {2, 5, 6, 7, 9};
}  // namespace

int ScheduleSortColumn(int choice) {
  return choice >= 0 && choice < ScheduleSortCount ? kSortColumns[static_cast<size_t>(choice)] : -1;
}

int ScheduleSortOfColumn(int column) {
  for (int choice = 0; choice < ScheduleSortCount; ++choice)
    if (kSortColumns[static_cast<size_t>(choice)] == column) return choice;
  return -1;
}

std::string ScheduleSortKey(int choice, const GameRecord& game, const NamedRecord& field,
                            const TeamRecord& home, const TeamRecord& away) {
  const std::string date = LeftAligned(game.Date);
  const std::string time = LeftAligned("TIME" + game.Time);
  switch (choice) {
    case SortByField:
      return RightAligned(field.No) + date + time;
    case SortByTime:
      return time + date + RightAligned(field.No);
    case SortByHome:
      return RightAligned(home.No) + RightAligned(away.No) + date;
    case SortByAway:
      return RightAligned(away.No) + RightAligned(home.No) + date;
    default:
      return date + time + RightAligned(field.No);
  }
}

std::string ScheduleLinePosition(std::string_view line) {
  if (line.size() <= kScheduleKeyWidth) return std::string();
  return std::string(line.substr(kScheduleKeyWidth, Width::Index));
}

std::optional<QDate> GameDate(std::string_view date) {
  if (date.size() != 8 || !AllDigits(date)) return std::nullopt;
  const QDate d(Number(date.substr(0, 4)), Number(date.substr(4, 2)), Number(date.substr(6, 2)));
  if (!d.isValid()) return std::nullopt;
  return d;
}

std::optional<QTime> GameTime(std::string_view time) {
  if (time.size() != 4 || !AllDigits(time)) return std::nullopt;
  const QTime t(Number(time.substr(0, 2)), Number(time.substr(2, 2)));
  if (!t.isValid()) return std::nullopt;
  return t;
}

std::string WeekdayCell(std::string_view date) {
  const auto d = GameDate(date);
  if (!d) return " ";
  return " " + Encode(QLocale().dayName(d->dayOfWeek(), QLocale::ShortFormat));
}

std::string DateCell(std::string_view date) {
  const auto d = GameDate(date);
  if (!d) return " ";
  return " " + std::to_string(d->month()) + "-" + std::to_string(d->day());
}

std::string TimeCell(std::string_view time) {
  const auto t = GameTime(time);
  if (!t) return " ";
  const int hour = t->hour() % 12 == 0 ? 12 : t->hour() % 12;
  return " " + std::to_string(hour) + ":" + ZeroPadded(t->minute(), 2) + (t->hour() < 12 ? " a" : " p");
}

}  // namespace scv
