#include "schedule/FieldTimes.h"

#include <algorithm>
#include <map>

#include "schedule/BoxDateTime.h"
#include "store/DataStore.h"
#include "store/Messages.h"
#include "store/Text.h"
#include "tables/Schedule.h"

namespace scv {

namespace {

// Every entry of Times can become a game, and a schedule holds at most
// 99999 games.
constexpr size_t kMostTimes = 99999;

std::string_view Part(std::string_view text, size_t from, size_t count) {
  return from < text.size() ? text.substr(from, count) : std::string_view();
}

std::string PadLeft(std::string_view text, size_t width) {
  return text.size() < width ? std::string(width - text.size(), ' ') + std::string(text) : std::string(text);
}

// "hhnn" as the grid shows it: " 6:30pm", "10:00am". A time that does not
// read as one shows its stored characters.
std::string TimeText(std::string_view stored) {
  const auto time = GameTime(stored);
  if (!time) return PadLeft(stored, 7);
  const int hour = time->hour() % 12 == 0 ? 12 : time->hour() % 12;
  return PadLeft(
      std::to_string(hour) + ":" + ZeroPadded(time->minute(), 2) + (time->hour() < 12 ? "am" : "pm"), 7);
}

// The weekday box's number of a date: 0 Sunday .. 6 Saturday.
int WeekdayOf(const QDate& date) { return date.dayOfWeek() % 7; }

std::string CountText(int count) { return count > 0 ? std::to_string(count) : std::string(); }

}  // namespace

std::string_view TimeEntryDate(std::string_view line) { return Part(line, 0, 8); }
std::string_view TimeEntryTime(std::string_view line) { return Part(line, 8, 4); }
std::string_view TimeEntryField(std::string_view line) { return Part(line, 12, 5); }

// ---- the field-time window ------------------------------------------------

MakeFormPresenter::MakeFormPresenter(DataStore& store_, MakeFormView& view_, Messages& messages_)
    : store(store_), view(view_), messages(messages_) {
  MakeGrid.SetColCount(5);
  MakeGrid.SetRowCount(2);
  const char* const headers[] = {"", "Year", "Mo.", "Day", "Time"};
  for (int c = 0; c < 5; ++c) MakeGrid.SetCell(c, 0, headers[c]);
  // The window as it first opens: a single game in the evening; for games
  // every week, Mondays.
  view.SetEvery(false);
  view.SetWeekday(1);
  view.SetPm(true);
  view.SetEveryEnabled(false);
  view.SetChangeDeleteEnabled(false);
}

void MakeFormPresenter::Run(const std::string& caption) {
  view.SetCaption(caption);
  Refresh();
  view.Exec();
}

void MakeFormPresenter::Refresh() {
  std::vector<size_t> shown;
  for (size_t i = 0; i < store.Times.size(); ++i)
    if (TimeEntryField(store.Times[i]) == CurrentField) shown.push_back(i);
  ShownCount = static_cast<int>(shown.size());

  const int previousRow = MakeGrid.Row;
  MakeGrid.SetRowCount(std::max(ShownCount, 1) + 1);
  int selected = -1;
  for (size_t k = 0; k < shown.size(); ++k) {
    const int row = static_cast<int>(k) + 1;
    const std::string& line = store.Times[shown[k]];
    const std::string_view date = TimeEntryDate(line);
    MakeGrid.SetCell(0, row, std::to_string(shown[k]));
    MakeGrid.SetCell(1, row, std::string(Part(date, 0, 4)));
    MakeGrid.SetCell(2, row, std::string(Part(date, 4, 2)));
    MakeGrid.SetCell(3, row, std::string(Part(date, 6, 2)));
    MakeGrid.SetCell(4, row, TimeText(TimeEntryTime(line)));
    if (shown[k] == LastTimePosition) selected = row;
  }
  if (ShownCount == 0) {
    MakeGrid.ClearRow(1);
    view.FocusStartYear();
  } else {
    view.FocusGrid();
  }
  const int widths[] = {0, 40, 30, 30, std::max(MakeGrid.ClientWidth - 106, 40)};
  for (int c = 0; c < 5; ++c) MakeGrid.SetColWidth(c, widths[c]);
  MakeGrid.Row = selected > 0 ? selected : std::clamp(previousRow, 1, MakeGrid.RowCount() - 1);
  MakeGrid.Col = 4;
  view.GridChanged();
  MakeGridSelectCell(MakeGrid.Col, MakeGrid.Row);
  view.SetChangeDeleteEnabled(ShownCount > 0);
}

void MakeFormPresenter::RadioClick() {
  const bool every = view.Every();
  view.SetEveryEnabled(every);
  view.SetChangeDeleteEnabled(!every && ShownCount > 0);
}

void MakeFormPresenter::MakeGridSelectCell(int col, int row) {
  if (ShownCount == 0 || row < 1 || row > ShownCount) return;
  MakeGrid.Col = col;
  MakeGrid.Row = row;
  view.SetEvery(false);
  RadioClick();
  const std::string& year = MakeGrid.Cell(1, row);
  const std::string& month = MakeGrid.Cell(2, row);
  const std::string& day = MakeGrid.Cell(3, row);
  if (const auto date = ReadBoxDate(year, month, day)) view.SetWeekday(WeekdayOf(*date));
  view.SetText(MakeFormView::EditSYr, year);
  view.SetText(MakeFormView::EditSMo, month);
  view.SetText(MakeFormView::EditSDa, day);
  const std::string time = MakeGrid.Cell(4, row);
  view.SetText(MakeFormView::EditSHr, std::string(Part(time, 0, 2)));
  view.SetText(MakeFormView::EditSMn, std::string(Part(time, 3, 2)));
  view.SetPm(Part(time, 5, 1) != "a");
  LastTimePosition = static_cast<size_t>(std::max<int64_t>(ParseFigure(MakeGrid.Cell(0, row)), 0));
}

void MakeFormPresenter::AddButtonClick() { AddTimes(false); }
void MakeFormPresenter::ChangeButtonClick() { AddTimes(true); }

bool MakeFormPresenter::LastIsShown() const {
  return LastTimePosition < store.Times.size() &&
         TimeEntryField(store.Times[LastTimePosition]) == CurrentField;
}

void MakeFormPresenter::AddTimes(bool change) {
  view.FocusStartYear();
  // The hour and minute boxes show the numbers they are read as.
  const int64_t hour = ParseFigure(view.Text(MakeFormView::EditSHr));
  const int64_t minute = ParseFigure(view.Text(MakeFormView::EditSMn));
  const std::string hourText = PadLeft(std::to_string(hour), 2);
  std::string minuteText = minute >= 0 ? ZeroPadded(minute, 2) : std::to_string(minute);
  minuteText = minuteText.substr(minuteText.size() - 2);
  view.SetText(MakeFormView::EditSHr, hourText);
  view.SetText(MakeFormView::EditSMn, minuteText);

  const auto time = ReadBoxTime(hourText, minuteText, view.Pm());
  const auto start = ReadBoxDate(view.Text(MakeFormView::EditSYr), view.Text(MakeFormView::EditSMo),
                                 view.Text(MakeFormView::EditSDa));
  const bool every = view.Every();
  if (!every && start) view.SetWeekday(WeekdayOf(*start));
  const auto end = every ? ReadBoxDate(view.Text(MakeFormView::EditEYr), view.Text(MakeFormView::EditEMo),
                                       view.Text(MakeFormView::EditEDa))
                         : start;
  if (!time || !start || !end) {
    messages.Error(QStringLiteral("Enter Correct Date and Time"));
    return;
  }
  if (*end < *start) {
    messages.Error(QStringLiteral("Ending Date Before Starting"));
    return;
  }

  // The days are walked from the end back, so the earliest entry is the one
  // selected afterwards.
  const int weekday = view.Weekday();
  const std::string timeText = StoredTime(*time);
  std::vector<std::string> lines;
  for (QDate d = *end; d >= *start; d = d.addDays(-1))
    if (WeekdayOf(d) == weekday) lines.push_back(StoredDate(d) + timeText + CurrentField);

  const bool replacing = change && LastIsShown();
  const size_t kept = store.Times.size() - (replacing ? 1 : 0);
  size_t added = 0;
  for (const std::string& line : lines)
    if (!std::binary_search(store.Times.begin(), store.Times.end(), line, TextLess())) ++added;
  if (kept + added > kMostTimes) {
    messages.Error(QStringLiteral("No more than 99999 times fit in the schedule."));
    return;
  }

  if (replacing) store.Times.erase(store.Times.begin() + static_cast<std::ptrdiff_t>(LastTimePosition));
  if (lines.size() == 1) {
    store.AddTime(lines.front(), &LastTimePosition);
  } else if (!lines.empty()) {
    store.AddTimes(lines);
    const auto it = std::lower_bound(store.Times.begin(), store.Times.end(), lines.back(), TextLess());
    LastTimePosition = static_cast<size_t>(it - store.Times.begin());
  }
  store.TimesChanged = true;
  Refresh();
}

void MakeFormPresenter::DeleteButtonClick() {
  if (!messages.Confirm(QStringLiteral("Delete This Time?"))) return;
  if (LastIsShown()) store.Times.erase(store.Times.begin() + static_cast<std::ptrdiff_t>(LastTimePosition));
  store.TimesChanged = true;
  Refresh();
}

// ---- the field-selection window -------------------------------------------

FieldFormPresenter::FieldFormPresenter(DataStore& store_, FieldFormView& view_, MakeFormPresenter* makeForm_,
                                       Messages& messages_)
    : store(store_), view(view_), makeForm(makeForm_), messages(messages_) {
  FieldGrid.SetColCount(4);
  FieldGrid.SetRowCount(2);
  const char* const headers[] = {"", "   No.", "Field Name", "Times"};
  for (int c = 0; c < 4; ++c) FieldGrid.SetCell(c, 0, headers[c]);
}

bool FieldFormPresenter::Run(const std::vector<std::string>& fieldList) {
  std::map<std::string_view, int> counts;
  for (const std::string& line : store.Times) ++counts[TimeEntryField(line)];

  FieldGrid.SetRowCount(static_cast<int>(std::max<size_t>(fieldList.size(), 1)) + 1);
  FieldGrid.ClearRow(1);
  for (size_t k = 0; k < fieldList.size(); ++k) {
    const int row = static_cast<int>(k) + 1;
    const std::string_view entry = fieldList[k];
    const std::string index = Trim(Part(entry, 5, 5));
    FieldGrid.SetCell(0, row, index);
    FieldGrid.SetCell(1, row, std::string(Part(entry, 0, 5)));
    FieldGrid.SetCell(2, row, std::string(Part(entry, 10, std::string_view::npos)));
    const auto it = counts.find(index);
    FieldGrid.SetCell(3, row, CountText(it == counts.end() ? 0 : it->second));
  }
  const int widths[] = {0, 50, std::max(FieldGrid.ClientWidth - 100, 40), 44};
  for (int c = 0; c < 4; ++c) FieldGrid.SetColWidth(c, widths[c]);
  FieldGrid.Row = 1;
  FieldGrid.Col = 2;
  view.GridChanged();
  return view.Exec();
}

void FieldFormPresenter::SetButtonClick() {
  const int row = FieldGrid.Row;
  if (row < 1 || row >= FieldGrid.RowCount() || FieldGrid.Cell(0, row).empty()) return;
  FieldGrid.Col = 2;
  view.GridChanged();
  if (makeForm) {
    makeForm->CurrentField = FieldGrid.Cell(0, row);
    makeForm->Run(FieldGrid.Cell(1, row) + " " + FieldGrid.Cell(2, row) + " Availability");
    FieldGrid.SetCell(3, row, CountText(makeForm->ShownCount));
    view.GridChanged();
  }
  view.FocusGrid();
}

void FieldFormPresenter::ResetButtonClick() {
  view.FocusGrid();
  if (!messages.Confirm(QStringLiteral("Clear All Field Times?"))) return;
  store.Times.clear();
  store.TimesChanged = true;
  for (int row = 1; row < FieldGrid.RowCount(); ++row) FieldGrid.SetCell(3, row, std::string());
  view.GridChanged();
}

void FieldFormPresenter::AddButtonClick() {
  if (store.Times.empty()) {
    messages.Information(QStringLiteral(
        "You must set the times that fields are available before adding games to the schedule."));
    return;
  }
  if (messages.Confirm(QStringLiteral("Add %1 Games to Schedule?").arg(store.Times.size()))) view.Close(true);
}

void FieldFormPresenter::CancelButtonClick() { view.Close(false); }

}  // namespace scv
