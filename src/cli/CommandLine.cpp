#include "cli/CommandLine.h"

#include <cstdio>
#include <memory>
#include <optional>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>

#include "backup/Backup.h"
#include "cli/Export.h"
#include "import/QktImport.h"
#include "print/PrintCommand.h"
#include "schedule/FieldTimes.h"
#include "schedule/ScheduleMaker.h"
#include "shell/Startup.h"
#include "store/DataStore.h"
#include "store/Messages.h"
#include "store/Text.h"
#include "tables/ScheduleClashes.h"
#include "tables/Tables.h"

namespace scv {

namespace {

void Print(FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
  std::fflush(stream);
}

void PrintError(const QString& text) { Print(stderr, text + QLatin1Char('\n')); }

int Usage(const QString& text) {
  PrintError(QLatin1String("scorvane: ") + text);
  PrintError(QStringLiteral("Try 'scorvane --help' for more information."));
  return 2;
}

const char kHelp[] =
    "Usage:\n"
    "  scorvane [--data-dir DIR] [--demo]\n"
    "      Start the desktop program.\n"
    "  scorvane [--data-dir DIR] export TAB [SELECT] [--format tsv|csv|html|ics] [-o FILE]\n"
    "      Print the table the main window shows on page TAB, with the league's\n"
    "      column choices and sort order. tsv (the default): one line per row,\n"
    "      the cells as shown, separated by tabs. csv: comma-separated, the cells\n"
    "      trimmed. html: a web page. ics (schedule only): an iCalendar file with\n"
    "      one event per game shown, from the game's date and time (local time,\n"
    "      no time zone) and lasting two hours; a game without a valid date and\n"
    "      time is left out, with a note on standard error. No data file is\n"
    "      written and the selection is not stored.\n"
    "  scorvane [--data-dir DIR] import FILE.QKT\n"
    "      Add every season of a QKT statistics file as a new year, with its\n"
    "      leagues, teams, players, games, fields, umpires and the notes of the\n"
    "      .QKN files beside it, as Import QKT does; then save all lists. The\n"
    "      imported season becomes the current selection. A file whose name does\n"
    "      not end in .QKT, that cannot be read, or that claims more records than\n"
    "      a list can keep adds nothing.\n"
    "  scorvane [--data-dir DIR] print TAB [SELECT] [--lines L] [--shading S] [--copies N] [-o FILE.pdf]\n"
    "      Print the table the main window shows on page TAB as the Print command\n"
    "      prints it for the window at its designed size: to the default printer,\n"
    "      or with -o into a PDF file (all copies in the one file). L: none,\n"
    "      horizontal, vertical or both (ruled lines, default none); S: none,\n"
    "      rows, columns or both (shading, default none); N: 1 to 99 (default 1).\n"
    "  scorvane [--data-dir DIR] make-schedule [--year I] [--league I]\n"
    "      Make the league's schedule as the game window's Make button does, from\n"
    "      the fields' available times already stored: one game for each time,\n"
    "      appended to the schedule. Every question is answered Yes and printed\n"
    "      on standard error, as are the schedule's clashes afterwards (see\n"
    "      check-schedule). Then all lists are saved (the selection given here\n"
    "      is not stored). When the league has no fields, fewer than 3 or more\n"
    "      than 20 teams, or no times, the reason is printed, no file is changed\n"
    "      and the exit status is 1.\n"
    "  scorvane [--data-dir DIR] check-schedule [--year I] [--league I]\n"
    "      List the fields, teams and umpires that two or more live games book at\n"
    "      the same date and time, one line each, such as\n"
    "        2026/06/06 10:00 am: field 1 Memorial Park has games 3 and 7\n"
    "        2026/06/06 10:00 am: team 4 Hawks has games 3, 7 and 9\n"
    "      (games by their position in the league's games list; a field, team\n"
    "      or umpire by its number and name). Deleted games and games without a\n"
    "      valid date and time are not checked. Prints nothing and exits 0 when\n"
    "      there is no clash; exits 1 when there are clashes (and on an error,\n"
    "      with the reason on standard error). No data file is written.\n"
    "  scorvane [--data-dir DIR] backup DESTDIR\n"
    "      Copy every list and note file of the data directory into DESTDIR\n"
    "      (made when missing), as Backup All does: files of the same names there\n"
    "      are replaced. DESTDIR may not be the data directory or lie inside it.\n"
    "  scorvane --help | --version\n"
    "\n"
    "Arguments:\n"
    "  TAB     teams players hitting running pitching fielding custom schedule\n"
    "  SELECT  --year I --league I --team I, each I a record index as in file\n"
    "          names like Y1L2T3; by default the current selection stored in\n"
    "          the data files.\n"
    "\n"
    "Options:\n"
    "  --data-dir DIR  the directory of the data files (default: see below)\n"
    "  --demo          use the demo league in its own directory\n"
    "  --format F      output format of export: tsv, csv, html or ics\n"
    "  -o FILE         write the output into FILE instead of standard output\n"
    "                  (print: a PDF file, its name ending in .pdf)\n"
    "  --help          show this text\n"
    "  --version       show the program's version\n"
    "\n"
    "Data directory:\n"
    "  Without --data-dir the data files are kept in the program's own\n"
    "  directory when the program can write there, else in the user's\n"
    "  application data directory, ~/.local/share/Scorvane/Scorvane (below\n"
    "  $XDG_DATA_HOME when that is set). An installed copy of the program (one\n"
    "  with share/scorvane beside its bin directory) always keeps them in the\n"
    "  application data directory. --demo copies the demo league into the\n"
    "  directory demo there on its first run and uses it from then on;\n"
    "  given with --data-dir, --demo is passed over and DIR is used.\n";
const char kHelpEnd[] =
    "\n"
    "Exit status: 0 success, 1 refusal or error, 2 bad usage.\n";

// Message boxes of the window become lines on standard error; confirmations
// are answered Yes.
class PrintedMessages : public Messages {
 public:
  int errors = 0;
  void Error(const QString& text) override {
    ++errors;
    PrintError(text);
  }
  void Information(const QString& text) override { PrintError(text); }
  bool Confirm(const QString& text) override {
    PrintError(text);
    return true;
  }
  Answer ConfirmYesNoAll(const QString& text) override {
    PrintError(text);
    return Answer::Yes;
  }
  Answer ConfirmYesNoCancel(const QString& text) override {
    PrintError(text);
    return Answer::Yes;
  }
};

struct Arguments {
  QStringList positional;
  QMap<QString, QString> values;  // options with a value
  bool demo = false, help = false, version = false;
};

bool TakesValue(const QString& option) {
  static const QStringList options = {
      QStringLiteral("--data-dir"), QStringLiteral("--year"),    QStringLiteral("--league"),
      QStringLiteral("--team"),     QStringLiteral("--format"),  QStringLiteral("-o"),
      QStringLiteral("--lines"),    QStringLiteral("--shading"), QStringLiteral("--copies")};
  return options.contains(option);
}

// Returns an error text for bad usage, or an empty text.
QString ParseArguments(const QStringList& args, Arguments& parsed) {
  bool optionsEnded = false;
  for (qsizetype i = 0; i < args.size(); ++i) {
    QString arg = args[i];
    if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
      parsed.positional << arg;
      continue;
    }
    if (arg == QLatin1String("--")) {
      optionsEnded = true;
      continue;
    }
    if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
      parsed.help = true;
      continue;
    }
    if (arg == QLatin1String("--version")) {
      parsed.version = true;
      continue;
    }
    if (arg == QLatin1String("--demo")) {
      parsed.demo = true;
      continue;
    }
    QString value;
    bool hasValue = false;
    const qsizetype eq = arg.indexOf(QLatin1Char('='));
    if (arg.startsWith(QLatin1String("--")) && eq > 2) {
      value = arg.mid(eq + 1);
      arg = arg.left(eq);
      hasValue = true;
    }
    if (arg == QLatin1String("--output")) arg = QStringLiteral("-o");
    if (!TakesValue(arg)) return QStringLiteral("unknown option %1").arg(arg);
    if (!hasValue) {
      if (i + 1 >= args.size()) return QStringLiteral("option %1 needs a value").arg(arg);
      value = args[++i];
    }
    if (parsed.values.contains(arg)) return QStringLiteral("option %1 given twice").arg(arg);
    parsed.values.insert(arg, value);
  }
  return QString();
}

// The options a command accepts besides --data-dir and --demo.
QString CheckOptions(const Arguments& parsed, const QStringList& allowed, const QString& command) {
  for (auto it = parsed.values.cbegin(); it != parsed.values.cend(); ++it) {
    if (it.key() == QLatin1String("--data-dir") || allowed.contains(it.key())) continue;
    if (command.isEmpty()) return QStringLiteral("option %1 needs a command").arg(it.key());
    return QStringLiteral("option %1 does not apply to %2").arg(it.key(), command);
  }
  return QString();
}

// A record index given on the command line: decimal digits only.
std::optional<QString> IndexOption(const Arguments& parsed, const QString& option, QString& error) {
  if (!parsed.values.contains(option)) return std::nullopt;
  const QString text = parsed.values.value(option);
  bool ok = false;
  const qlonglong value = text.toLongLong(&ok);
  if (!ok || value < 0 || text.startsWith(QLatin1Char('+')) || text.size() > 5) {
    error = QStringLiteral("%1 needs a record index (a number such as 1), not '%2'").arg(option, text);
    return std::nullopt;
  }
  return QString::number(value);
}

// Checks that index names a record of list; prints why not.
bool CheckRecord(const List& list, const QString& index, const QString& kind, const QString& dir) {
  const std::string text = index.toStdString();
  const int64_t line = DataStore::RecordIndex(text, list.size());
  const QString where = QDir::toNativeSeparators(dir);
  if (line <= 0) {  // 0 or -1: the header or no line at all
    PrintError(QStringLiteral("No %1 %2 in %3").arg(kind, index, where));
    return false;
  }
  LineSplitter fields(list[static_cast<size_t>(line)]);
  if (!fields.SplitField(Width::Mark).empty()) {
    QString name = kind;
    name[0] = name[0].toUpper();
    PrintError(QStringLiteral("%1 %2 in %3 is deleted").arg(name, index, where));
    return false;
  }
  return true;
}

bool WriteOutput(const QString& path, const QByteArray& bytes) {
  if (path.isEmpty() || path == QLatin1String("-")) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
    return !std::ferror(stdout);
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    PrintError(QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
  }
  return true;
}

// The selection given on the command line (--year, --league, --team).
struct Selection {
  std::optional<QString> year, league, team;
};

// Returns an error text for bad usage, or an empty text.
QString ParseSelection(const Arguments& parsed, Selection& selection) {
  QString error;
  selection.year = IndexOption(parsed, QStringLiteral("--year"), error);
  selection.league = IndexOption(parsed, QStringLiteral("--league"), error);
  selection.team = IndexOption(parsed, QStringLiteral("--team"), error);
  return error;
}

// The data directory the command works on; empty (and the reason printed)
// when there is none.
QString CommandDataDir(const StartOptions& options, const QString& programDir) {
  QString error;
  const QString dir = ResolveDataDir(options, programDir, error);
  if (dir.isEmpty()) {
    PrintError(error.isEmpty() ? QStringLiteral("No data directory") : error);
    return QString();
  }
  if (!QFileInfo(dir).isDir()) {
    PrintError(QStringLiteral("The data directory %1 does not exist").arg(QDir::toNativeSeparators(dir)));
    return QString();
  }
  return dir;
}

// Reads the years and applies the selection, in memory only: nothing here
// is written back. False when a list could not be read or the selection
// names no live record (the reason has been printed).
bool OpenSelection(DataStore& store, const PrintedMessages& messages, const Selection& selection,
                   const QString& dir) {
  if (!store.LoadYears() || messages.errors > 0) return false;
  if (selection.year) {
    if (!CheckRecord(store.Years, *selection.year, QStringLiteral("year"), dir)) return false;
    store.YearsHeader.CurYear = selection.year->toStdString();
    store.ReadYear(store.YearsHeader.CurYear);
  }
  if (selection.league) {
    if (!store.LoadLeagues() || messages.errors > 0) return false;
    if (!CheckRecord(store.Leagues, *selection.league, QStringLiteral("league"), dir)) return false;
    store.CurrentYear.CurLeague = selection.league->toStdString();
    store.ReadLeague(store.CurrentYear.CurLeague);
  }
  if (selection.team) {
    if (!store.LoadTeams() || messages.errors > 0) return false;
    if (!CheckRecord(store.Teams, *selection.team, QStringLiteral("team"), dir)) return false;
    store.CurrentLeague.CurTeam = selection.team->toStdString();
    store.ReadTeam(store.CurrentLeague.CurTeam);
  }
  return true;
}

// A command over one league (check-schedule, make-schedule): no argument
// besides the selection, which is opened in memory with its league.
struct LeagueCommand {
  PrintedMessages messages;
  std::unique_ptr<DataStore> store;

  // -1 when the league is open; otherwise the exit status (the reason has
  // been printed).
  int Open(const Arguments& parsed, const StartOptions& options, const QString& programDir) {
    if (parsed.positional.size() > 1)
      return Usage(QStringLiteral("unexpected argument %1").arg(parsed.positional[1]));
    Selection selection;
    const QString error = ParseSelection(parsed, selection);
    if (!error.isEmpty()) return Usage(error);
    const QString dir = CommandDataDir(options, programDir);
    if (dir.isEmpty()) return 1;
    store = std::make_unique<DataStore>(dir, &messages);
    if (!OpenSelection(*store, messages, selection, dir)) return 1;
    if (!store->LoadLeagues() || messages.errors > 0) return 1;
    if (!store->CurrentLeague.Mark.empty()) {
      PrintError(QStringLiteral("No league is selected in %1").arg(QDir::toNativeSeparators(dir)));
      return 1;
    }
    return -1;
  }
};

// The calendar's DTSTAMP: when the games file was last changed (now for a
// league whose games were never saved).
QDateTime ScheduleStamp(const DataStore& store) {
  const QFileInfo games(store.FilePath(store.GamesKey + ".Games"));
  QDateTime stamp = games.exists() ? games.lastModified() : QDateTime::currentDateTime();
  stamp = stamp.toUTC();
  return stamp.addMSecs(-stamp.time().msec());
}

// The table the main window would show on `tab` for the selection, built
// without a window. Members are declared in the order they must be made.
struct CommandTable {
  explicit CommandTable(const QString& dir) : store(dir, &messages), tables(store, grid, progress, host) {}
  // False when the selection cannot be opened or the build reported an error.
  bool Build(const Selection& selection, const QString& dir, int tab) {
    if (!OpenSelection(store, messages, selection, dir)) return false;
    tables.CurrentTab = tab;
    tables.BuildHeaders();
    return messages.errors == 0;
  }
  PrintedMessages messages;
  DataStore store;
  Grid grid;
  NullProgress progress;
  NullTableHost host;
  Tables tables;
};

int RunExport(const Arguments& parsed, const StartOptions& options, const QString& programDir) {
  const QStringList& pos = parsed.positional;
  if (pos.size() < 2)
    return Usage(
        QStringLiteral("export needs a TAB: teams, players, hitting, running, "
                       "pitching, fielding, custom or schedule"));
  if (pos.size() > 2) return Usage(QStringLiteral("unexpected argument %1").arg(pos[2]));
  const int tab = TabFromName(pos[1]);
  if (tab < 0) return Usage(QStringLiteral("unknown TAB %1").arg(pos[1]));

  ExportFormat format = ExportFormat::Tsv;
  if (parsed.values.contains(QStringLiteral("--format")) &&
      !ParseExportFormat(parsed.values.value(QStringLiteral("--format")), format))
    return Usage(QStringLiteral("unknown format %1 (tsv, csv, html or ics)")
                     .arg(parsed.values.value(QStringLiteral("--format"))));
  if (format == ExportFormat::Ics && tab != ScheduleTab)
    return Usage(QStringLiteral("the ics format is for the schedule only"));

  Selection selection;
  const QString error = ParseSelection(parsed, selection);
  if (!error.isEmpty()) return Usage(error);

  const QString dir = CommandDataDir(options, programDir);
  if (dir.isEmpty()) return 1;
  CommandTable table(dir);
  if (!table.Build(selection, dir, tab)) return 1;
  const Grid& grid = table.grid;
  const DataStore& store = table.store;
  const Tables& tables = table.tables;

  QByteArray bytes;
  switch (format) {
    case ExportFormat::Csv:
      bytes = ExportCsv(grid);
      break;
    case ExportFormat::Html:
      bytes = ExportHtml(grid, Decode(tables.Caption));
      break;
    case ExportFormat::Ics: {
      std::vector<int64_t> skipped;
      bytes = ExportIcs(store, grid, Decode(tables.Caption), ScheduleStamp(store), &skipped);
      for (int64_t game : skipped)
        PrintError(
            QStringLiteral("Game %1 has no valid date and time; it is left out of the calendar.").arg(game));
      break;
    }
    default:
      bytes = ExportTsv(grid);
      break;
  }
  return WriteOutput(parsed.values.value(QStringLiteral("-o")), bytes) ? 0 : 1;
}

// Lists the double bookings of the league's schedule on standard output:
// status 0 and no output when there is none, 1 when there are some.
int RunCheckSchedule(const Arguments& parsed, const StartOptions& options, const QString& programDir) {
  LeagueCommand command;
  if (const int status = command.Open(parsed, options, programDir); status >= 0) return status;
  DataStore& store = *command.store;
  const PrintedMessages& messages = command.messages;
  if (!store.LoadTeams() || !store.LoadGames() || !store.LoadFields() || !store.LoadUmpires() ||
      messages.errors > 0)
    return 1;

  QString out;
  for (const ScheduleClash& clash : FindScheduleClashes(store))
    out += Decode(ClashText(clash)) + QLatin1Char('\n');
  if (out.isEmpty()) return 0;
  Print(stdout, out);
  return 1;
}

// Appends the games the Make button would, from the league's stored times,
// and saves all lists; a refusal changes no file.
int RunMakeSchedule(const Arguments& parsed, const StartOptions& options, const QString& programDir) {
  LeagueCommand command;
  if (const int status = command.Open(parsed, options, programDir); status >= 0) return status;
  DataStore& store = *command.store;
  PrintedMessages& messages = command.messages;
  if (!store.LoadGames() || messages.errors > 0) return 1;

  AddingFieldForm view;
  FieldFormPresenter fieldForm(store, view, nullptr, messages);
  view.presenter = &fieldForm;
  ScheduleMaker maker(store, fieldForm, messages);
  const size_t before = store.Games.size();
  if (!maker.MakeButtonClick()) return 1;
  const size_t added = store.Games.size() - before;

  // The selection given here is for this command only: the seasons file
  // keeps its own, which the header line in memory still holds.
  store.ReadYearsHeader();
  if (!store.SaveAll()) return 1;
  Print(stdout, QStringLiteral("%1 games added to the schedule.\n").arg(added));
  return 0;
}

// Builds the tab's table as export does and prints it.
int RunPrint(const Arguments& parsed, const StartOptions& options, const QString& programDir) {
  const QStringList& pos = parsed.positional;
  if (pos.size() < 2)
    return Usage(
        QStringLiteral("print needs a TAB: teams, players, hitting, running, "
                       "pitching, fielding, custom or schedule"));
  if (pos.size() > 2) return Usage(QStringLiteral("unexpected argument %1").arg(pos[2]));
  const int tab = TabFromName(pos[1]);
  if (tab < 0) return Usage(QStringLiteral("unknown TAB %1").arg(pos[1]));
  TablePrintOptions printOptions;
  QString error = ParsePrintOptions(parsed.values.value(QStringLiteral("--lines")),
                                    parsed.values.value(QStringLiteral("--shading")),
                                    parsed.values.value(QStringLiteral("--copies")), printOptions);
  if (!error.isEmpty()) return Usage(error);
  const QString pdf = parsed.values.value(QStringLiteral("-o"));
  if (parsed.values.contains(QStringLiteral("-o")) && (pdf.isEmpty() || pdf == QLatin1String("-")))
    return Usage(QStringLiteral("-o needs the name of a PDF file"));
  // Only a PDF is written: any other name would get a PDF under a misleading
  // name (or replace a file that was never meant to be one).
  if (!pdf.isEmpty() && !pdf.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
    return Usage(QStringLiteral("-o needs a file name ending in .pdf, not %1").arg(pdf));
  Selection selection;
  error = ParseSelection(parsed, selection);
  if (!error.isEmpty()) return Usage(error);

  const QString dir = CommandDataDir(options, programDir);
  if (dir.isEmpty()) return 1;
  CommandTable table(dir);
  if (!table.Build(selection, dir, tab)) return 1;
  return PrintTableCommand(table.grid, PrintFontOf(table.store.tableFont), table.tables.Caption, printOptions,
                           pdf, options.printRunner);
}

// Imports the file as the menu command does and saves every list. The data
// directory is locked meanwhile: a window open on it would write its own
// years list over the imported seasons.
int RunImport(const QString& file, const StartOptions& options, const QString& programDir) {
  const QString dir = CommandDataDir(options, programDir);
  if (dir.isEmpty()) return 1;
  DataDirLock lock;
  QString error;
  if (!lock.Acquire(dir, error)) {
    PrintError(error);
    return 1;
  }
  PrintedMessages messages;
  DataStore store(dir, &messages);
  if (!store.LoadYears() || messages.errors > 0) return 1;
  NullProgress progress;
  const ImportResult result = ImportQkt(store, file, messages, progress);
  if (result == ImportResult::Refused) return 1;
  const bool saved = store.SaveAll();
  return saved && result == ImportResult::Imported && messages.errors == 0 ? 0 : 1;
}

}  // namespace

QString HelpText(const QString& dataDir) {
  QString text = QLatin1String(kHelp);
  if (!dataDir.isEmpty())
    text += QStringLiteral("  This copy of the program keeps them in %1\n")
                .arg(QDir::toNativeSeparators(dataDir));
  return text + QLatin1String(kHelpEnd);
}

bool CommandNeedsGui(const QStringList& args) {
  Arguments parsed;
  if (!ParseArguments(args, parsed).isEmpty() || parsed.help || parsed.version) return false;
  return !parsed.positional.isEmpty() && parsed.positional.front() == QLatin1String("print");
}

QString ResolveDataDir(const StartOptions& options, const QString& programDir, QString& error) {
  error.clear();
  if (!options.dataDir.isEmpty()) return QDir::cleanPath(QDir(options.dataDir).absolutePath());
  if (options.demo) {
    const QString dir = DemoDataDir();
    if (!SeedDemo(DemoSourceDir(programDir), dir, error)) return QString();
    return dir;
  }
  return DefaultDataDir(programDir);
}

int RunCommandLine(const QStringList& args, const QString& programDir, StartOptions& options) {
  Arguments parsed;
  const QString error = ParseArguments(args, parsed);
  if (!error.isEmpty()) return Usage(error);
  if (parsed.help) {
    Print(stdout, HelpText(DefaultDataDir(programDir)));
    return 0;
  }
  if (parsed.version) {
    Print(stdout, QStringLiteral("Scorvane " SCV_VERSION "\n"));
    return 0;
  }

  options.dataDir = parsed.values.value(QStringLiteral("--data-dir"));
  options.demo = parsed.demo;
  if (parsed.values.contains(QStringLiteral("--data-dir")) && options.dataDir.isEmpty())
    return Usage(QStringLiteral("--data-dir needs a directory"));

  if (parsed.positional.isEmpty()) {
    const QString bad = CheckOptions(parsed, {}, QString());
    if (!bad.isEmpty()) return Usage(bad);
    return -1;  // the desktop program
  }

  const QString command = parsed.positional.front();
  if (command == QLatin1String("export")) {
    const QString bad =
        CheckOptions(parsed,
                     {QStringLiteral("--year"), QStringLiteral("--league"), QStringLiteral("--team"),
                      QStringLiteral("--format"), QStringLiteral("-o")},
                     command);
    if (!bad.isEmpty()) return Usage(bad);
    return RunExport(parsed, options, programDir);
  }
  if (command == QLatin1String("check-schedule")) {
    const QString bad = CheckOptions(parsed, {QStringLiteral("--year"), QStringLiteral("--league")}, command);
    if (!bad.isEmpty()) return Usage(bad);
    return RunCheckSchedule(parsed, options, programDir);
  }
  if (command == QLatin1String("print")) {
    const QString bad =
        CheckOptions(parsed,
                     {QStringLiteral("--year"), QStringLiteral("--league"), QStringLiteral("--team"),
                      QStringLiteral("--lines"), QStringLiteral("--shading"), QStringLiteral("--copies"),
                      QStringLiteral("-o")},
                     command);
    if (!bad.isEmpty()) return Usage(bad);
    return RunPrint(parsed, options, programDir);
  }
  if (command == QLatin1String("backup")) {
    const QString bad = CheckOptions(parsed, {}, command);
    if (!bad.isEmpty()) return Usage(bad);
    const QStringList& pos = parsed.positional;
    if (pos.size() < 2 || pos[1].isEmpty())
      return Usage(QStringLiteral("backup needs a DESTDIR: the directory to copy the data files into"));
    if (pos.size() > 2) return Usage(QStringLiteral("unexpected argument %1").arg(pos[2]));
    const QString dir = CommandDataDir(options, programDir);
    if (dir.isEmpty()) return 1;
    PrintedMessages messages;
    return RunBackupCommand(dir, pos[1], messages);
  }
  if (command == QLatin1String("import")) {
    const QString bad = CheckOptions(parsed, {}, command);
    if (!bad.isEmpty()) return Usage(bad);
    const QStringList& pos = parsed.positional;
    if (pos.size() < 2 || pos[1].isEmpty())
      return Usage(QStringLiteral("import needs the QKT file to import"));
    if (pos.size() > 2) return Usage(QStringLiteral("unexpected argument %1").arg(pos[2]));
    return RunImport(pos[1], options, programDir);
  }
  if (command == QLatin1String("make-schedule")) {
    const QString bad = CheckOptions(parsed, {QStringLiteral("--year"), QStringLiteral("--league")}, command);
    if (!bad.isEmpty()) return Usage(bad);
    return RunMakeSchedule(parsed, options, programDir);
  }
  return Usage(QStringLiteral("unknown command %1").arg(command));
}

}  // namespace scv
