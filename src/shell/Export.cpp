#include "shell/Export.h"

#include <string_view>

#include "store/Text.h"
#include "tables/Tables.h"

namespace scv {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  return text.substr(b, e - b);
}

QString CsvField(std::string_view cell) {
  QString text = Decode(TrimBlanks(cell));
  const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                     text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
  if (!quote) return text;
  text.replace(QLatin1String("\""), QLatin1String("\"\""));
  return QLatin1Char('"') + text + QLatin1Char('"');
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
  QString out;
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 1; col < grid.ColCount(); ++col) {
      if (col > 1) out += QLatin1Char('\t');
      out += Decode(grid.Cell(col, row));
    }
    out += QLatin1Char('\n');
  }
  return out.toUtf8();
}

QByteArray ExportCsv(const Grid& grid) {
  QString out;
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 1; col < grid.ColCount(); ++col) {
      if (col > 1) out += QLatin1Char(',');
      out += CsvField(grid.Cell(col, row));
    }
    out += QLatin1String("\r\n");
  }
  return out.toUtf8();
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
  for (int row = 0; row < grid.RowCount(); ++row) {
    const QLatin1String tag(row == 0 ? "th" : "td");
    out += QLatin1String("<tr>");
    for (int col = 1; col < grid.ColCount(); ++col) {
      out += QLatin1Char('<') + tag + QLatin1Char('>');
      out += Decode(TrimBlanks(grid.Cell(col, row))).toHtmlEscaped();
      out += QLatin1String("</") + tag + QLatin1Char('>');
    }
    out += QLatin1String("</tr>\n");
  }
  out += QLatin1String("</table>\n</body>\n</html>\n");
  return out.toUtf8();
}

}  // namespace scv
