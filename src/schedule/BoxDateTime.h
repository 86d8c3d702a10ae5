#pragma once
// Dates and times as the windows' edit boxes hold them: a date typed into
// year, month and day boxes, a time into hour and minute boxes beside an
// am/pm choice; the stored forms ("yyyymmdd", "hhnn" on the 24-hour clock);
// and the boxes filled back from a date or time.
#include <optional>
#include <string>
#include <string_view>

#include <QDate>
#include <QTime>

namespace scv {

// Reads a date from the year, month and day boxes. Blanks around a box's
// digits are ignored; an empty box or one holding anything but digits gives
// nullopt, as does a day the Gregorian calendar does not have. A one- or
// two-digit year is taken in the century of currentYear (by default the
// year of today's date).
std::optional<QDate> ReadBoxDate(std::string_view year, std::string_view month, std::string_view day,
                                 int currentYear);
std::optional<QDate> ReadBoxDate(std::string_view year, std::string_view month, std::string_view day);

// Reads a time on the 12-hour clock: hour 1 to 12, minute 0 to 59; 12 am is
// the hour 00, 12 pm the hour 12. Blanks around the digits are ignored.
std::optional<QTime> ReadBoxTime(std::string_view hour, std::string_view minute, bool pm);

// "yyyymmdd" and "hhnn".
std::string StoredDate(const QDate& date);
std::string StoredTime(const QTime& time);

// The date boxes for a date: the year with four digits, month and day
// without a leading zero.
struct DateBoxes {
  std::string year, month, day;
};
DateBoxes ToDateBoxes(const QDate& date);

// The time boxes for a time: the hour on the 12-hour clock and the minute,
// both with two digits, and whether it is pm.
struct TimeBoxes {
  std::string hour, minute;
  bool pm = true;
};
TimeBoxes ToTimeBoxes(const QTime& time);

}  // namespace scv
