#include "cli/Export.h"

#include <string_view>

#include "store/DataStore.h"
#include "store/Records.h"
#include "store/Text.h"
#include "tables/Schedule.h"
#include "tables/Tables.h"

namespace scv {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  return text.substr(b, e - b);
}

// The exports go straight from the stored bytes to UTF-8 in one buffer:
// the characters that need quoting or escaping are all ASCII, so they are
// found among the bytes.
void AppendCsvField(std::string& out, std::string_view cell) {
  cell = TrimBlanks(cell);
  if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
    AppendUtf8(out, cell);
    return;
  }
  out += '"';
  for (size_t quote; (quote = cell.find('"')) != std::string_view::npos; cell.remove_prefix(quote + 1)) {
    AppendUtf8(out, cell.substr(0, quote + 1));
    out += '"';
  }
  AppendUtf8(out, cell);
  out += '"';
}

void AppendHtmlText(std::string& out, std::string_view cell) {
  for (size_t special; (special = cell.find_first_of("<>&\"")) != std::string_view::npos;
       cell.remove_prefix(special + 1)) {
    AppendUtf8(out, cell.substr(0, special));
    switch (cell[special]) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      default:
        out += "&quot;";
        break;
    }
  }
  AppendUtf8(out, cell);
}

// Every row of the grid between begin and end, its visible cells joined by
// `separator`, each written by `format`.
template <class Format>
QByteArray Rows(const Grid& grid, std::string_view begin, std::string_view separator, std::string_view end,
                Format format) {
  // Each row is made in a buffer of its own and added to the output, which
  // is given room for them all once the first rows tell their length.
  QByteArray out;
  std::string line;
  constexpr int kSampleRows = 64;
  for (int row = 0; row < grid.RowCount(); ++row) {
    line.assign(begin);
    const std::vector<std::string>& cells = grid.RowCells(row);
    for (size_t col = 1; col < cells.size(); ++col) {
      if (col > 1) line += separator;
      format(line, row, cells[col]);
    }
    line += end;
    out.append(line.data(), static_cast<qsizetype>(line.size()));
    if (row + 1 == kSampleRows && grid.RowCount() > kSampleRows)
      out.reserve(out.size() / kSampleRows * grid.RowCount() * 9 / 8);
  }
  return out;
}

// A record named by a stored position, read without touching the current
// buffers; the empty record when the position names none.
template <typename Record, typename Parse>
Record RecordAt(const List& list, std::string_view index, Parse parse) {
  const int64_t i = DataStore::RecordIndex(index, list.size());
  if (i == 0) return Record{};
  return parse(list[static_cast<size_t>(i)]);
}

// TEXT values escape backslash, semicolon, comma and line breaks.
QString IcsText(const QString& text) {
  QString out;
  for (const QChar c : text) {
    if (c == QLatin1Char('\\') || c == QLatin1Char(';') || c == QLatin1Char(',')) {
      out += QLatin1Char('\\');
      out += c;
    } else if (c == QLatin1Char('\n')) {
      out += QLatin1String("\\n");
    } else if (c != QLatin1Char('\r')) {
      out += c;
    }
  }
  return out;
}

// Appends a content line folded at 75 octets (a continuation line starts
// with one space), never inside a UTF-8 sequence, and a CR LF.
void AppendFolded(QByteArray& out, const QString& line) {
  const QByteArray bytes = line.toUtf8();
  qsizetype start = 0;
  qsizetype room = 75;
  while (bytes.size() - start > room) {
    qsizetype end = start + room;
    while (end > start && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80) --end;
    out += bytes.mid(start, end - start);
    out += "\r\n ";
    start = end;
    room = 74;
  }
  out += bytes.mid(start);
  out += "\r\n";
}

QString IcsDateTime(const QDateTime& t) { return t.toString(QStringLiteral("yyyyMMdd'T'HHmmss")); }

// A team as the summary names it: its name, else its number.
QString TeamText(const TeamRecord& team) {
  const std::string name = Trim(team.Name);
  if (!name.empty()) return Decode(name);
  const std::string no = Trim(team.No);
  if (!no.empty()) return QStringLiteral("Team ") + Decode(no);
  return QStringLiteral("TBA");
}

}  // namespace

bool ParseExportFormat(const QString& name, ExportFormat& format) {
  const QString n = name.toLower();
  if (n == QLatin1String("tsv")) format = ExportFormat::Tsv;
  else if (n == QLatin1String("csv")) format = ExportFormat::Csv;
  else if (n == QLatin1String("html")) format = ExportFormat::Html;
  else if (n == QLatin1String("ics")) format = ExportFormat::Ics;
  else return false;
  return true;
}

int TabFromName(const QString& name) {
  for (int tab = 0; tab < TabCount; ++tab)
    if (name.compare(QLatin1String(TabCaptions[tab]), Qt::CaseInsensitive) == 0) return tab;
  return -1;
}

QByteArray ExportTsv(const Grid& grid) {
  return Rows(grid, "", "\t", "\n",
              [](std::string& out, int, std::string_view cell) { AppendUtf8(out, cell); });
}

QByteArray ExportCsv(const Grid& grid) {
  return Rows(grid, "", ",", "\r\n",
              [](std::string& out, int, std::string_view cell) { AppendCsvField(out, cell); });
}

QByteArray ExportHtml(const Grid& grid, const QString& caption) {
  const QString title = caption.toHtmlEscaped();
  QString out;
  out += QLatin1String(
      "<!DOCTYPE html>\n"
      "<html>\n"
      "<head>\n"
      "<meta charset=\"utf-8\">\n");
  out += QLatin1String("<title>") + title + QLatin1String("</title>\n");
  out += QLatin1String(
      "<style>\n"
      "table { border-collapse: collapse; }\n"
      "th, td { border: 1px solid #999; padding: 2px 6px; text-align: left; }\n"
      "th { background: #ccc; }\n"
      "</style>\n"
      "</head>\n"
      "<body>\n");
  out += QLatin1String("<h1>") + title + QLatin1String("</h1>\n");
  out += QLatin1String("<table>\n");
  QByteArray page = out.toUtf8();
  page += Rows(grid, "<tr>", "", "</tr>\n", [](std::string& text, int row, std::string_view cell) {
    const std::string_view tag = row == 0 ? "th" : "td";
    text.append("<").append(tag).append(">");
    AppendHtmlText(text, TrimBlanks(cell));
    text.append("</").append(tag).append(">");
  });
  page += "</table>\n</body>\n</html>\n";
  return page;
}

QByteArray ExportIcs(const DataStore& store, const Grid& grid, const QString& caption, const QDateTime& stamp,
                     std::vector<int64_t>* skipped) {
  QByteArray out;
  AppendFolded(out, QStringLiteral("BEGIN:VCALENDAR"));
  AppendFolded(out, QStringLiteral("VERSION:2.0"));
  AppendFolded(out, QStringLiteral("PRODID:-//Scorvane//Scorvane//EN"));
  AppendFolded(out, QStringLiteral("CALSCALE:GREGORIAN"));
  if (!caption.trimmed().isEmpty()) AppendFolded(out, QStringLiteral("X-WR-CALNAME:") + IcsText(caption.trimmed()));
  const QString dtstamp = IcsDateTime(stamp.toUTC()) + QLatin1Char('Z');

  for (int row = 1; row < grid.RowCount(); ++row) {
    const std::string key = grid.Cell(0, row);
    const int64_t index = DataStore::RecordIndex(key, store.Games.size());
    if (index == 0) continue;  // the blank row of an empty table
    const GameRecord game = ParseGame(store.Games[static_cast<size_t>(index)]);
    const auto date = GameDate(game.Date);
    const auto time = GameTime(game.Time);
    if (!date || !time) {
      if (skipped) skipped->push_back(index);
      continue;
    }
    // Floating times: the arithmetic is done without a time zone, so a
    // game late in the evening ends on the next day.
    const QDateTime start(*date, *time, Qt::UTC);
    const QDateTime end = start.addSecs(2 * 60 * 60);

    const auto home = RecordAt<TeamRecord>(store.Teams, game.Home, ParseTeam);
    const auto away = RecordAt<TeamRecord>(store.Teams, game.Away, ParseTeam);
    const auto field = RecordAt<NamedRecord>(store.Fields, game.Field, ParseNamed);
    QString summary = TeamText(away);
    const bool played = !Trim(game.HTS).empty() || !Trim(game.ATS).empty();
    if (played) summary += QLatin1Char(' ') + QString::number(ParseFigure(game.ATS));
    summary += QStringLiteral(" at ") + TeamText(home);
    if (played) summary += QLatin1Char(' ') + QString::number(ParseFigure(game.HTS));

    QStringList umpires;
    for (int k = 1; k <= 4; ++k) {
      const auto umpire = RecordAt<NamedRecord>(store.Umpires, game.Umpire(k), ParseNamed);
      const std::string name = Trim(umpire.Name).empty() ? Trim(umpire.No) : Trim(umpire.Name);
      if (!name.empty()) umpires << Decode(name);
    }

    AppendFolded(out, QStringLiteral("BEGIN:VEVENT"));
    AppendFolded(out, QStringLiteral("UID:") + QString::fromLatin1(store.GamesKey) + QLatin1Char('G') +
                          QString::number(index) + QStringLiteral("@scorvane"));
    AppendFolded(out, QStringLiteral("DTSTAMP:") + dtstamp);
    AppendFolded(out, QStringLiteral("DTSTART:") + IcsDateTime(start));
    AppendFolded(out, QStringLiteral("DTEND:") + IcsDateTime(end));
    AppendFolded(out, QStringLiteral("SUMMARY:") + IcsText(summary));
    const std::string fieldName = Trim(field.Name);
    if (!fieldName.empty()) AppendFolded(out, QStringLiteral("LOCATION:") + IcsText(Decode(fieldName)));
    if (!umpires.isEmpty()) {
      const QString label = umpires.size() == 1 ? QStringLiteral("Umpire: ") : QStringLiteral("Umpires: ");
      AppendFolded(out, QStringLiteral("DESCRIPTION:") + IcsText(label + umpires.join(QStringLiteral(", "))));
    }
    AppendFolded(out, QStringLiteral("END:VEVENT"));
  }
  AppendFolded(out, QStringLiteral("END:VCALENDAR"));
  return out;
}

}  // namespace scv
