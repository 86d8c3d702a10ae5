#pragma once
// Writing the main grid out as text: tab-separated, comma-separated (RFC
// 4180) or a standalone HTML page, and the schedule as a calendar. The
// visible cells only: the hidden key column 0 is never written. The bytes of
// the cells are Windows-1252; the output is UTF-8.
#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "tables/Grid.h"

namespace scv {

class DataStore;

enum class ExportFormat { Tsv, Csv, Html, Ics };

// "tsv", "csv", "html", "ics" (any case); false for anything else.
bool ParseExportFormat(const QString& name, ExportFormat& format);
// "teams" ... "schedule" (any case) to the tab index; -1 for anything else.
int TabFromName(const QString& name);

// One line per grid row, the visible cells exactly as held, joined by TAB, LF line ends.
QByteArray ExportTsv(const Grid& grid);
// RFC 4180: cells trimmed of leading and trailing blanks, quoted when they hold
// a comma, a quote or a line break, CR LF after every record.
QByteArray ExportCsv(const Grid& grid);
// A standalone page with the caption as title and heading and the grid as a
// table whose first row holds the headers.
QByteArray ExportHtml(const Grid& grid, const QString& caption);

// The schedule as an iCalendar file (RFC 5545): one event per game the grid
// shows, in the grid's order, each two hours long from the game's date and
// time as floating local time. The games are those the hidden key column
// names in the store's games list; the records are read from the lists in
// memory without changing a current record. A game without a valid date or
// time has no event; its position is added to skipped. stamp (UTC) is the
// DTSTAMP of every event: the time the schedule was last changed.
QByteArray ExportIcs(const DataStore& store, const Grid& grid, const QString& caption, const QDateTime& stamp,
                     std::vector<int64_t>* skipped = nullptr);

}  // namespace scv
