#include "print/PrintCommand.h"

#include <cstdio>

#include <QStringList>

#include "store/Text.h"

namespace scv {

namespace {

void PrintError(const QString& text) {
  const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
  std::fflush(stderr);
}

// The position of text among the choices (case ignored), or -1.
int Choice(const QString& text, const QStringList& choices) {
  for (qsizetype i = 0; i < choices.size(); ++i)
    if (text.compare(choices[i], Qt::CaseInsensitive) == 0) return static_cast<int>(i);
  return -1;
}

}  // namespace

QString ParsePrintOptions(const QString& lines, const QString& shading, const QString& copies,
                          TablePrintOptions& options) {
  options = TablePrintOptions();
  if (!lines.isEmpty()) {
    const int i = Choice(lines, {QStringLiteral("none"), QStringLiteral("horizontal"), QStringLiteral("vertical"),
                                 QStringLiteral("both")});
    if (i < 0) return QStringLiteral("unknown lines %1 (none, horizontal, vertical or both)").arg(lines);
    options.Lines = static_cast<PrintLines>(i);
  }
  if (!shading.isEmpty()) {
    const int i = Choice(shading, {QStringLiteral("none"), QStringLiteral("rows"), QStringLiteral("columns"),
                                   QStringLiteral("both")});
    if (i < 0) return QStringLiteral("unknown shading %1 (none, rows, columns or both)").arg(shading);
    options.Shading = static_cast<PrintShading>(i);
  }
  if (!copies.isEmpty()) {
    bool ok = false;
    const int n = copies.toInt(&ok);
    if (!ok || n < 1 || n > 99 || copies.startsWith(QLatin1Char('+')))
      return QStringLiteral("--copies needs a number from 1 to 99, not '%1'").arg(copies);
    options.Copies = n;
  }
  return QString();
}

int PrintTableCommand(const Grid& grid, const PrintFont& font, const std::string& caption,
                      const TablePrintOptions& options, const QString& pdfPath, const PrintRunner& runner) {
  if (!runner) {
    PrintError(QStringLiteral("Printing is not possible here."));
    return 1;
  }
  // The window shows its title while the caption is blank.
  const std::string title = Trim(caption).empty() ? std::string("Scorvane") : caption;
  TablePrint print(grid, font, title, options);
  QString error;
  const bool done = runner(
      pdfPath, [&print](PrintEngine& engine, QString& why) { return print.PrintCopies(engine, why); }, error);
  if (!done) {
    PrintError(error.isEmpty() ? QStringLiteral("The table could not be printed.") : error);
    return 1;
  }
  return 0;
}

}  // namespace scv
