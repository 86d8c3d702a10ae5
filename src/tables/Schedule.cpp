#include "tables/Schedule.h"

#include <algorithm>
#include <charconv>

#include <QLocale>

#include "store/Text.h"

namespace scv {

const std::array<const char*, ScheduleSortCount> ScheduleSortNames = {"Field Number", "Game Date",
                                                                      "Game Time", "Home Team", "Away Team"};

namespace {

constexpr size_t kPart = 8;

// Numbers are right-aligned, so the list's text order puts 2 before 10.
char* RightAligned(char* out, std::string_view text) {
  text = text.substr(0, kPart);
  std::fill_n(out, kPart - text.size(), ' ');
  std::copy(text.begin(), text.end(), out + kPart - text.size());
  return out + kPart;
}

char* LeftAligned(char* out, std::string_view text, std::string_view prefix = std::string_view()) {
  char* end = std::copy(prefix.begin(), prefix.end(), out);
  text = text.substr(0, kPart - prefix.size());
  end = std::copy(text.begin(), text.end(), end);
  std::fill(end, out + kPart, ' ');
  return out + kPart;
}

std::string DayCell(int dayOfWeek) {
  return " " + Encode(QLocale().dayName(dayOfWeek, QLocale::ShortFormat));
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

ScheduleKey ScheduleSortKey(int choice, std::string_view date, std::string_view time,
                            std::string_view fieldNo, std::string_view homeNo, std::string_view awayNo) {
  ScheduleKey key;
  char* p = key.data();
  const auto datePart = [&] { p = LeftAligned(p, date); };
  const auto timePart = [&] { p = LeftAligned(p, time, "TIME"); };
  switch (choice) {
    case SortByField:
      p = RightAligned(p, fieldNo);
      datePart();
      timePart();
      break;
    case SortByTime:
      timePart();
      datePart();
      p = RightAligned(p, fieldNo);
      break;
    case SortByHome:
      p = RightAligned(p, homeNo);
      p = RightAligned(p, awayNo);
      datePart();
      break;
    case SortByAway:
      p = RightAligned(p, awayNo);
      p = RightAligned(p, homeNo);
      datePart();
      break;
    default:
      datePart();
      timePart();
      p = RightAligned(p, fieldNo);
      break;
  }
  return key;
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
  return d ? DayCell(d->dayOfWeek()) : std::string(" ");
}

std::string DateCell(std::string_view date) {
  const auto d = GameDate(date);
  return d ? DateCell(*d) : std::string(" ");
}

std::string DateCell(const QDate& d) {
  return " " + std::to_string(d.month()) + "-" + std::to_string(d.day());
}

WeekdayCells::WeekdayCells() {
  for (int day = 1; day <= 7; ++day) cells_[static_cast<size_t>(day)] = DayCell(day);
}

std::string TimeCell(std::string_view time) {
  const auto t = GameTime(time);
  if (!t) return " ";
  const int hour = t->hour() % 12 == 0 ? 12 : t->hour() % 12;
  // " 6:30 p": built in place, as every row of a table makes one.
  char text[12] = {' '};
  char* p = std::to_chars(text + 1, text + sizeof text, hour).ptr;
  *p++ = ':';
  *p++ = static_cast<char>('0' + t->minute() / 10);
  *p++ = static_cast<char>('0' + t->minute() % 10);
  *p++ = ' ';
  *p++ = t->hour() < 12 ? 'a' : 'p';
  return std::string(text, static_cast<size_t>(p - text));
}

}  // namespace scv
