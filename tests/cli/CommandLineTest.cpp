#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "cli/CommandLine.h"
#include "cli/Export.h"
#include "support/CliRun.h"
#include "support/TempData.h"
#include "tables/Grid.h"

namespace scv::test {
namespace {

std::string Line(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& f : fields) line += f + "|";
  return line;
}

// Year 1 with league 1 of three teams (the third deleted, the current one
// team 1) and two players on team 2.
void WriteLeagueData(const TempData& data, const std::string& curTeam = "1") {
  data.Write("Baseball.Years", {"Y|1||1||||", "|2024|Season|1|", "X|2023|Old|1|"});
  data.Write("Y1.Leagues", {"L|", Line({"", "1", "Majors & Minors", curTeam, "", "", "", "", "", "", "", "", "", "",
                                        "", "", "", "", "", ""})});
  data.Write("Y1L1.Teams", {"T|", "|1|Tigers|6|2|||", "|2|Caf\xE9 \"Cubs\", Inc.|3|1||1|", "X|3|Gone|9|0||"});
  std::string player1 = "|7|Smith|", player2 = "|8|Jones|";
  for (int k = 0; k < 45; ++k) {
    player1 += (k == 2 ? "4" : k == 3 ? "1" : "") + std::string("|");  // PA 4, 1B 1
    player2 += (k == 2 ? "2" : "") + std::string("|");
  }
  data.Write("Y1L1T2.Players", {"P|", player1, player2});
}

TEST(CommandLine, ExportTeamsAsTsv) {
  TempData data;
  WriteLeagueData(data);
  const CliResult run = RunCli({"--data-dir", data.Dir(), "export", "teams"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            " Place\t Team#\t Team Name\t Won\t Lost\t Tied\t Pct.\t GB\n"
            " 1\t 1\t Tigers\t 6\t 2\t \t .750\t \n"
            " 2\t 2\t Caf\xC3\xA9 \"Cubs\", Inc.\t 3\t 1\t \t .750\t 1\n");
  EXPECT_EQ(run.err, "");
}

TEST(CommandLine, ExportTeamsRanksNegativePercentagesBelowZero) {
  TempData data;
  data.Write("Baseball.Years", {"Y|1||1||||", "|2024|Season|1|"});
  data.Write("Y1.Leagues", {"L|", "|1|Majors|1|"});
  data.Write("Y1L1.Teams",
             {"T|", "|1|Minus|3|-5||", "|2|Zero|0|2||", "|3|Idle|||||", "|4|Half|-1|3||", "|5|Top|2|1||"});
  const CliResult run = RunCli({"--data-dir", data.Dir(), "export", "teams", "--format", "csv"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Place,Team#,Team Name,Won,Lost,Tied,Pct.,GB\r\n"
            "1,5,Top,2,1,,.666,\r\n"
            "2,2,Zero,0,2,,.000,1.5\r\n"
            "3,4,Half,-1,3,,-.500,2.5\r\n"
            "4,1,Minus,3,-5,,-.999,\r\n"
            "5,3,Idle,,,,,.5\r\n");
}

TEST(CommandLine, ExportPlayersOfAChosenTeamAsCsvAndHtml) {
  TempData data;
  WriteLeagueData(data);
  const QString csv = data.Path("out.csv");
  CliResult run = RunCli({"export", "players", "--team", "2", "--format", "csv", "-o", csv, "--data-dir", data.Dir()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(data.Read("out.csv"),
            "No,Player Name,G,AB,H,W,Sac,Avg,Slg,OB%,PA,BO\r\n"
            "7,Smith,,4,1,,,.250,.250,.250,4,\r\n"
            "8,Jones,,2,,,,.000,.000,.000,2,\r\n"
            "***,Totals,4,6,1,,,.166,.166,.166,6,***\r\n");

  run = RunCli({"--data-dir", data.Dir(), "export", "teams", "--format=csv"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("2,2,\"Caf\xC3\xA9 \"\"Cubs\"\", Inc.\",3,1,,.750,1\r\n"), std::string::npos) << run.out;

  run = RunCli({"--data-dir", data.Dir(), "export", "players", "--team", "2", "--format", "html"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("<title>2024 Majors &amp; Minors - Caf\xC3\xA9 &quot;Cubs&quot;, Inc.</title>"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("<h1>2024 Majors &amp; Minors - Caf"), std::string::npos);
  EXPECT_NE(run.out.find("<tr><th>No</th><th>Player Name</th><th>G</th>"), std::string::npos);
  EXPECT_NE(run.out.find("<tr><td>***</td><td>Totals</td><td>4</td>"), std::string::npos);
  EXPECT_EQ(run.out.rfind("<!DOCTYPE html>", 0), 0u);
}

TEST(CommandLine, ExportNeverWritesADataFile) {
  TempData data;
  // The stored current team is the deleted one: the table build picks
  // another and writes the league record back, in memory only.
  WriteLeagueData(data, "3");
  const auto before = data.Snapshot();
  for (const char* tab : {"teams", "players", "hitting", "running", "pitching", "fielding", "custom", "schedule"}) {
    CliResult run = RunCli({"--data-dir", data.Dir(), "export", tab});
    EXPECT_EQ(run.status, 0) << tab << run.err;
    run = RunCli({"--data-dir", data.Dir(), "export", tab, "--year", "1", "--league", "1", "--team", "2"});
    EXPECT_EQ(run.status, 0) << tab << run.err;
  }
  EXPECT_EQ(data.Snapshot(), before);
}

TEST(CommandLine, ExportOfAnEmptyTableKeepsTheBlankRow) {
  TempData data;
  WriteLeagueData(data);
  CliResult run = RunCli({"--data-dir", data.Dir(), "export", "players"});  // team 1 has no players file
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, " No\t Player Name\t G\t AB\t H\t W\t Sac\t Avg\t Slg\t OB%\t PA\t BO\n\t\t\t\t\t\t\t\t\t\t\t\n");
  run = RunCli({"--data-dir", data.Dir(), "export", "schedule"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, " Fld#\t Field Name\t Day\t Date\t Time\t Home\t Away\n\t\t\t\t\t\t\n");
}

TEST(CommandLine, SelectionErrors) {
  TempData data;
  WriteLeagueData(data);
  CliResult run = RunCli({"--data-dir", data.Dir(), "export", "teams", "--year", "7"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("No year 7 in "), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
  run = RunCli({"--data-dir", data.Dir(), "export", "teams", "--league", "2"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("No league 2 in "), std::string::npos) << run.err;
  run = RunCli({"--data-dir", data.Dir(), "export", "players", "--team", "0"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("No team 0 in "), std::string::npos) << run.err;
  run = RunCli({"--data-dir", data.Dir(), "export", "players", "--team", "3"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Team 3 in "), std::string::npos) << run.err;
  run = RunCli({"--data-dir", data.Dir(), "export", "teams", "--year", "2"});
  EXPECT_EQ(run.status, 1);
  run = RunCli({"--data-dir", data.Path("missing"), "export", "teams"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("does not exist"), std::string::npos) << run.err;
  // A list that cannot be read: its error is printed and nothing is exported.
  ASSERT_TRUE(QDir(data.Dir()).mkdir("Y1L1T1.Players"));
  run = RunCli({"--data-dir", data.Dir(), "export", "players"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Y1L1T1.Players"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
  run = RunCli({"--data-dir", data.Dir(), "export", "teams", "-o", data.Path("no/such/dir/out.tsv")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Cannot write"), std::string::npos) << run.err;
}

TEST(CommandLine, UsageErrorsExitTwo) {
  TempData data;
  WriteLeagueData(data);
  const QString dir = data.Dir();
  for (const QStringList& args : std::vector<QStringList>{
           {"--frobnicate"},
           {"--data-dir"},
           {"--data-dir", dir, "export"},
           {"--data-dir", dir, "export", "standings"},
           {"--data-dir", dir, "export", "teams", "extra"},
           {"--data-dir", dir, "export", "teams", "--format", "xml"},
           {"--data-dir", dir, "export", "teams", "--format", "ics"},
           {"--data-dir", dir, "export", "teams", "--year", "one"},
           {"--data-dir", dir, "export", "teams", "--year", "-1"},
           {"--data-dir", dir, "export", "teams", "--copies", "2"},
           {"--data-dir", dir, "export", "teams", "--team", "1", "--team", "2"},
           {"--year", "1"},
           {"--data-dir", dir, "frobnicate"},
           {"--data-dir", dir, "print", "teams", "-o", data.Path("out.txt")},
           {"--data-dir", dir, "print", "teams", "-o", data.Path("out.pdf.txt")},
       }) {
    const CliResult run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
    EXPECT_FALSE(run.err.empty()) << args.join(' ').toStdString();
    EXPECT_EQ(run.out, "") << args.join(' ').toStdString();
  }
  EXPECT_FALSE(QFile::exists(data.Path("out.txt")));
  EXPECT_FALSE(QFile::exists(data.Path("out.pdf.txt")));
}

TEST(CommandLine, WindowHelpVersionAndLaterCommands) {
  StartOptions options;
  CliResult run = RunCli({"--data-dir", "/some/where"}, &options);
  EXPECT_EQ(run.status, -1);
  EXPECT_EQ(options.dataDir, "/some/where");
  EXPECT_FALSE(options.demo);
  run = RunCli({"--demo"}, &options);
  EXPECT_EQ(run.status, -1);
  EXPECT_TRUE(options.demo);
  run = RunCli({}, &options);
  EXPECT_EQ(run.status, -1);
  EXPECT_TRUE(options.dataDir.isEmpty());

  run = RunCli({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Scorvane " SCV_VERSION "\n");

  run = RunCli({"--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* word : {"export TAB", "import FILE.QKT", "print TAB", "make-schedule", "check-schedule",
                           "backup DESTDIR", "--data-dir DIR", "--year I --league I --team I", "tsv|csv|html|ics"})
    EXPECT_NE(run.out.find(word), std::string::npos) << word;
  // Every command listed is there.
  EXPECT_EQ(run.out.find("not available"), std::string::npos);

  // An empty data directory exports an empty calendar.
  TempData empty;
  run = RunCli({"export", "schedule", "--format", "ics", "--data-dir", empty.Dir()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Scorvane//Scorvane//EN\r\nCALSCALE:GREGORIAN\r\n"
            "END:VCALENDAR\r\n");
  EXPECT_TRUE(empty.Snapshot().empty());
}

TEST(ResolveDataDir, TheDataDirOptionWins) {
  StartOptions options;
  options.dataDir = "/tmp/scv-data/";
  options.demo = true;
  QString error;
  EXPECT_EQ(ResolveDataDir(options, "/opt/scorvane", error), "/tmp/scv-data");
  EXPECT_TRUE(error.isEmpty());
}

TEST(Export, CsvQuotingAndTsvKeepsCellsAsHeld) {
  Grid grid;
  grid.SetColCount(4);
  grid.SetRowCount(2);
  grid.SetCell(0, 0, "key");
  grid.SetCell(1, 0, " A");
  grid.SetCell(2, 0, " B ");
  grid.SetCell(3, 0, "x");
  grid.SetCell(0, 1, "12");
  grid.SetCell(1, 1, " say \"hi\"");
  grid.SetCell(2, 1, "1,5");
  grid.SetCell(3, 1, "\x80 <&>");
  EXPECT_EQ(ExportTsv(grid).toStdString(), " A\t B \tx\n say \"hi\"\t1,5\t\xE2\x82\xAC <&>\n");
  EXPECT_EQ(ExportCsv(grid).toStdString(), "A,B,x\r\n\"say \"\"hi\"\"\",\"1,5\",\xE2\x82\xAC <&>\r\n");
  const std::string html = ExportHtml(grid, "Cap").toStdString();
  EXPECT_NE(html.find("<tr><th>A</th><th>B</th><th>x</th></tr>"), std::string::npos) << html;
  EXPECT_NE(html.find("<td>\xE2\x82\xAC &lt;&amp;&gt;</td>"), std::string::npos) << html;
  EXPECT_EQ(html.find("key"), std::string::npos);
  EXPECT_EQ(html.find("12"), std::string::npos);
}

}  // namespace
}  // namespace scv::test
