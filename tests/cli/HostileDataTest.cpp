// Data edited by hand, cut short or carried in from elsewhere, over the whole
// program: the main window's tables, commands and dialogs, the print of
// every table, the notes window and every command of the command line run
// over each damaged directory without a crash or a hang (the sanitizer build
// runs this too), show what can be shown, and change no list they were not
// asked to change.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <functional>

#include "cli/CommandLine.h"
#include "notes/NoteFakes.h"
#include "notes/NoteForm.h"
#include "print/TablePrint.h"
#include "shell/MainForm.h"
#include "support/FakeViews.h"
#include "support/TempData.h"

namespace scv::test {
namespace {

using Files = std::map<std::string, std::string>;
using namespace std::string_literals;

void Raw(const TempData& data, const std::string& name, const std::string& bytes) {
  QFile file(data.Path(name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string Fields(int n, const std::string& text) {
  std::string line;
  for (int i = 0; i < n; ++i) line += text + "|";
  return line;
}

// A sound league: three teams, two players of the first, two games, two
// fields with times, an umpire and a team note.
void WriteLeague(const TempData& data) {
  data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Season|1|"});
  data.Write("Y1.Leagues", {"L|", "|1|Majors|1|1|"});
  data.Write("Y1L1.Teams", {"T|", "|1|Tigers|2|0|||", "|2|Bears|1|1|||", "|3|Owls|0|2|||"});
  data.Write("Y1L1T1.Players", {"P|", "|7|Ann Baker|" + Fields(45, "3"), "|8|Bo Chen|" + Fields(45, "")});
  data.Write("Y1L1.Games", {"G|", "|20260606|1000|1|1|2|1||||5|3|", "|20260607|1800|2|3|1||||||"});
  data.Write("Y1L1.Fields", {"F|", "|1|Memorial Park|", "|2|Riverside|"});
  data.Write("Y1L1.Umpires", {"U|", "|1|Sam Reed|"});
  data.Write("Y1L1.Times", {"2026061310001", "2026061418002", "2026062010001"});
  data.Write("Y1L1T1.Notes", {"Tigers", "good start"});
}

// Every list file of the league rewritten by f(name, bytes).
void Rewrite(const TempData& data, const std::function<std::string(const std::string&, std::string)>& f) {
  for (const auto& [name, bytes] : data.Snapshot()) Raw(data, name, f(name, bytes));
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

std::string HighBytes(size_t from, size_t n) {
  std::string bytes;
  for (size_t i = 0; i < n; ++i) bytes += static_cast<char>(0x80 + (from + i) % 0x80);
  return bytes;
}

struct Case {
  const char* name;
  std::function<void(const TempData&)> damage;
  std::vector<std::string> shown;  // texts the teams or players export must hold (UTF-8)
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"NUL bytes in every line",
       [](const TempData& d) {
         Rewrite(d, [](const std::string&, std::string b) {
           return Replace(b, "|\r\n", "|\0\r\n"s) + "\0\0\0"s;
         });
         Raw(d, "Y1L1.Teams", "T|\r\n|1|Tig\0ers|2|\0|||\r\n|2|Bears|1|1|||\r\n"s);
       },
       {"Tig", "Bears", "Ann Baker"}},
      {"lines of 1 MB",
       [](const TempData& d) {
         const std::string huge(1 << 20, 'x');
         Rewrite(d, [&](const std::string&, std::string b) { return b + "|" + huge + "|" + huge + "\r\n"; });
         Raw(d, "Y1L1.Teams", "T|\r\n|1|Tigers" + huge + "|2|0|||\r\n|2|Bears|" + huge + "|\r\n");
       },
       {"Tigersxxxx", "Bears", "Ann Baker"}},
      {"CR-only line ends",
       [](const TempData& d) {
         Rewrite(d, [](const std::string&, std::string b) { return Replace(b, "\r\n", "\r"); });
       },
       {"Tigers", "Bears", "Owls", "Ann Baker", "Memorial Park"}},
      {"no header lines",
       [](const TempData& d) {
         Rewrite(d, [](const std::string& name, std::string b) {
           return name.ends_with(".Times") || name.ends_with(".Notes") ? b : b.substr(b.find('\n') + 1);
         });
       },
       {"Bears", "Owls", "Bo Chen"}},
      {"indexes past the end",
       [](const TempData& d) {
         d.Write("Baseball.Years", {"Y|7||1|99999|99999|", "|2026|Season|1|", "|2027|Next|99|"});
         d.Write("Y1.Leagues", {"L|", "|1|Majors|999|99999|", "|2|Minors|"});
         d.Write("Y1L1.Games",
                 {"G|", "|20260606|1000|99|1|99999|7||||5|3|", "|20260607|1800|0|-1|1|1|2|3|4|||"});
         d.Write("Y1L1.Times", {"2026061310009", "2026061418099999"});
       },
       {"Tigers", "Bears", "Owls"}},
      {"negative and 12-digit numbers",
       [](const TempData& d) {
         d.Write("Baseball.Years", {"Y|-1||1|-500|123456789012|", "|2026|Season|1|", "|-5|Old|-1|"});
         d.Write("Y1.Leagues", {"L|", "|1|Majors|1|-7|-9|-16777216|Arial|123456789012|"});
         d.Write("Y1L1.Teams",
                 {"T|", "|1|Tigers|-5|123456789012|-0||", "|2|Bears|999999999999|-999999999|||"});
         d.Write("Y1L1T1.Players",
                 {"P|", "|7|Ann Baker|" + Fields(45, "-9999"), "|8|Bo Chen|" + Fields(45, "123456789012")});
         d.Write("Y1L1.Games", {"G|", "|-2026060|-100|-1|1|2|-1||||-5|123456789012|"});
       },
       {"Tigers", "Ann Baker", "Bo Chen"}},
      {"bytes 0x80 to 0xFF in every field",
       [](const TempData& d) {
         Rewrite(d, [](const std::string& name, std::string b) {
           if (name == "Baseball.Years" || name == "Y1.Leagues") return b;
           std::string out;
           size_t k = 0;
           for (char c : b) out += c == '|' || c == '\r' || c == '\n' ? std::string(1, c) : HighBytes(k++, 3);
           return out;
         });
         // Every field of the league but the column choices.
         d.Write("Y1.Leagues",
                 {"L|", "|1|Majors|1|1|" + Fields(9, HighBytes(0, 61)) + "||" + Fields(4, HighBytes(9, 8))});
         d.Write("Y1L1.Teams", {"T|", "|1|Caf\xE9 \x80\x9F\xFF|2|0|||"});
       },
       {"Caf\xC3\xA9 \xE2\x82\xAC"}},
      {"column flags and sort keys of the wrong length",
       [](const TempData& d) {
         d.Write("Y1.Leagues", {"L|", "|1|Majors|1|1|9||||||\x85|1111111111111|**|" + std::string(200, '*') +
                                          "|*|" + std::string(90, '*') + "|"});
       },
       {"Tigers", "Ann Baker"}},
      {"99,999 deleted teams",
       [](const TempData& d) {
         std::vector<std::string> teams = {"T|", "|1|Tigers|2|0|||", "|2|Bears|1|1|||", "|3|Owls|0|2|||"};
         for (int i = 4; i <= 100002; ++i) teams.push_back("X|" + std::to_string(i) + "|Gone|1|1|||");
         d.Write("Y1L1.Teams", teams);
       },
       {"Tigers", "Bears", "Owls"}},
      {"a times file with garbage lines",
       [](const TempData& d) {
         Raw(d, "Y1L1.Times",
             "garbage\r\n\r\n20261399250099\r\n2026061310001\r\n2026061310001\r\n\xFF\xFE\0\r\n-1\r\n"
             "20260613\r\n" +
                 std::string(5000, '9') + "\r\n2026062010002"s);
       },
       {"Tigers", "Ann Baker"}},
  };
  return cases;
}

struct CliRun {
  int status = 0;
  std::string out, err;
};

CliRun Cli(const TempData& data, QStringList args) {
  args.prepend(data.Dir());
  args.prepend(QStringLiteral("--data-dir"));
  StartOptions options;
  CliRun run;
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  run.status = RunCommandLine(args, QDir::tempPath(), options);
  run.out = testing::internal::GetCapturedStdout();
  run.err = testing::internal::GetCapturedStderr();
  return run;
}

// Pages of 40 lines: the caption, a blank line, the headings, 37 rows.
class NullEngine : public PrintEngine {
 public:
  int pages = 0, lines = 0;
  bool Execute(const PageEvent& printPage, QString&) override {
    do {
      ++pages;
      lines = 0;
    } while (printPage(*this) && pages < 100000);
    return true;
  }
  void ClearTabs() override {}
  void SetFont(const std::string&, double) override {}
  double PageWidth() const override { return 8.5; }
  void SetTab(double, Justify, double, int, int, int) override {}
  void Home() override {}
  void Bold(bool) override {}
  void PrintCenter(const std::string&, double) override {}
  void NewLine() override { ++lines; }
  void SetTabShade(int) override {}
  int TabShade() const override { return 0; }
  void PrintTabs(const std::string&) override {}
  int LinesLeft() const override { return 40 - lines; }
  void BeforeSetup() override {}
  void AfterSetup() override {}
};

// Every command of the main window over the directory, each dialog
// cancelled; then Save writes the selection, and no other list.
void RunMainWindow(const TempData& data) {
  FakeMainView main;
  FakeListView list;
  FakeNameView name;
  FakeTeamFormView team;
  FakePlayerFormView player;
  FakeHelpView help;
  NullProgress progress;
  FakeMessages messages;
  DataStore store(data.Dir(), &messages);
  MainForm form(store, {main, list, name, team, player, help, progress, messages});
  int games = 0;
  form.OpenGameForm = [&] { ++games; };
  const Files before = data.Snapshot();
  form.FormShow();
  for (int tab = TeamsTab; tab < TabCount; ++tab) {
    form.BottomTabClick(tab);
    for (int r = 0; r < form.grid.RowCount(); ++r)
      for (int c = 0; c < form.grid.ColCount(); ++c) form.grid.CellView(c, r);
    NullEngine engine;
    QString error;
    TablePrint print(form.grid, PrintFontOf(store.tableFont), "caption",
                     {PrintLines::Both, PrintShading::Both, 1});
    EXPECT_TRUE(print.PrintCopies(engine, error));
    EXPECT_EQ(engine.pages, (form.grid.RowCount() - 2) / 37 + 1) << tab;
    form.TableSelectCell(1, form.grid.RowCount() - 1);
    form.UpdateButtonClick();
  }
  form.YearButtonClick();
  form.LeagueButtonClick();
  form.TeamButtonClick();
  form.PlayerButtonClick();
  form.SaveItemClick();
  // A team line holds its current player: only that field may change.
  auto withoutSelection = [](const std::string& file, const std::string& bytes) {
    if (!file.ends_with(".Teams")) return bytes;
    List lines = SplitLines(bytes);
    for (std::string& line : lines) {
      TeamRecord team = ParseTeam(line);
      team.CurPlayer.clear();
      line = Compose(team);
    }
    return JoinLines(lines);
  };
  for (const auto& [file, bytes] : data.Snapshot())
    if (file != "Baseball.Years" && file != "Y1.Leagues")
      EXPECT_EQ(withoutSelection(file, bytes), withoutSelection(file, before.at(file))) << file << " changed";
}

TEST(HostileData, EveryPartOfTheProgramRunsOverDamagedFiles) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    TempData data, backup;
    WriteLeague(data);
    c.damage(data);

    std::string shown;
    for (const char* tab :
         {"teams", "players", "hitting", "running", "pitching", "fielding", "custom", "schedule"})
      for (const char* format : {"tsv", "csv", "html"}) {
        const CliRun run = Cli(data, {"export", tab, "--format", format});
        EXPECT_EQ(run.status, 0) << tab << " " << format << ": " << run.err;
        if (std::string_view(format) == "tsv") shown += run.out;
      }
    for (const std::string& text : c.shown) EXPECT_NE(shown.find(text), std::string::npos) << text;
    Cli(data, {"export", "schedule", "--format", "ics"});
    EXPECT_LE(Cli(data, {"check-schedule"}).status, 1);

    RunMainWindow(data);

    FakeNoteView view;
    FakeNotePrinter printer;
    NoteMessages noteMessages;
    FakeHelpView help;
    NoteFormPresenter notes(view, printer, noteMessages, help);
    notes.Open(data.Path("Y1L1T1.Notes"), {});

    const Files before = data.Snapshot();
    EXPECT_EQ(Cli(data, {"backup", backup.Dir()}).status, 0);
    // The copy is line by line: CR LF after every line.
    for (const auto& [file, bytes] : backup.Snapshot())
      EXPECT_EQ(bytes, JoinLines(SplitLines(before.at(file)))) << file;
    EXPECT_LE(Cli(data, {"make-schedule"}).status, 1);
  }
}

}  // namespace
}  // namespace scv::test
