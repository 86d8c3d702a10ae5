#include "schedule/BoxDateTime.h"

#include "store/Text.h"

namespace scv {

namespace {

// The number a box holds: digits only once the blanks around them are gone;
// -1 for anything else (empty, a sign, letters, blanks between digits).
int BoxNumber(std::string_view box) {
  const std::string text = Trim(box);
  if (text.empty() || text.size() > 4) return -1;
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace

std::optional<QDate> ReadBoxDate(std::string_view year, std::string_view month, std::string_view day,
                                 int currentYear) {
  int y = BoxNumber(year);
  const int m = BoxNumber(month);
  const int d = BoxNumber(day);
  if (y < 0 || m < 0 || d < 0) return std::nullopt;
  if (Trim(year).size() <= 2) y += currentYear / 100 * 100;
  const QDate date(y, m, d);
  if (!date.isValid() || y < 1) return std::nullopt;
  return date;
}

std::optional<QDate> ReadBoxDate(std::string_view year, std::string_view month, std::string_view day) {
  return ReadBoxDate(year, month, day, QDate::currentDate().year());
}

std::optional<QTime> ReadBoxTime(std::string_view hour, std::string_view minute, bool pm) {
  const int h = BoxNumber(hour);
  const int m = BoxNumber(minute);
  if (h < 1 || h > 12 || m < 0 || m > 59) return std::nullopt;
  return QTime(h % 12 + (pm ? 12 : 0), m);
}

std::string StoredDate(const QDate& date) {
  return ZeroPadded(date.year(), 4) + ZeroPadded(date.month(), 2) + ZeroPadded(date.day(), 2);
}

std::string StoredTime(const QTime& time) {
  return ZeroPadded(time.hour(), 2) + ZeroPadded(time.minute(), 2);
}

DateBoxes ToDateBoxes(const QDate& date) {
  return {ZeroPadded(date.year(), 4), std::to_string(date.month()), std::to_string(date.day())};
}

TimeBoxes ToTimeBoxes(const QTime& time) {
  const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
  return {ZeroPadded(hour, 2), ZeroPadded(time.minute(), 2), time.hour() >= 12};
}

}  // namespace scv
