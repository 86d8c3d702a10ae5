// The schedule on the command line: export as a table and as a calendar,
// and the check for double bookings.
#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QLocale>

#include "cli/CommandLine.h"
#include "cli/Export.h"
#include "store/DataStore.h"
#include "store/Records.h"
#include "support/CliRun.h"
#include "support/TempData.h"

namespace scv::test {
namespace {

// League 1: four live games, one of them without a date, and a deleted one.
// League 2: games that book a field, a team and an umpire twice.
void WriteSchedules(const TempData& data) {
  data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Summer|1|"});
  data.Write("Y1.Leagues",
             {"L|", "|1|Valley League|1||||||||||||||||||", "|2|Twilight|1|||||||||||||||||||"});
  data.Write("Y1L1.Teams", {"T|", "|1|Tigers||||", "|2|Bears; Cubs, Inc.||||", "|3|Caf\xE9 Hawks||||"});
  data.Write("Y1L1.Fields", {"F|", "|1|Memorial Park|", "|2|Riverside Diamond|"});
  data.Write("Y1L1.Umpires", {"U|", "|1|Sam Whitaker|", "|2|Rita Gomez|"});
  data.Write("Y1L1.Games", {
                               "G|",
                               "|20260606|1000|1|1|2|1|2|||5|3|",
                               "|20260606|2300|2|3|1|||||||",
                               "X|20260607|1000|1|1|2|||||||",
                               "||1000|1|2|3|||||||",
                               "|20260613|1000|1|1|3|1||||0|4|",
                           });
  data.Write("Y1L2.Teams", {"T|", "|1|Owls||||", "|2|Larks||||", "|3|Wrens||||"});
  data.Write("Y1L2.Fields", {"F|", "|1|North Lot|"});
  data.Write("Y1L2.Umpires", {"U|", "|7|Ann Lee|"});
  data.Write("Y1L2.Games", {
                               "G|",
                               "|20260704|1830|1|1|2|1||||||",
                               "|20260704|1830|1|3|1||1|||||",
                               "|20260704|1200|1|2|3|1||||||",
                           });
  // The calendar's stamp is the time the games file was last changed.
  QFile games(data.Path("Y1L1.Games"));
  ASSERT_TRUE(games.open(QIODevice::ReadWrite));
  ASSERT_TRUE(games.setFileTime(QDateTime(QDate(2026, 5, 1), QTime(12, 0), Qt::UTC),
                                QFileDevice::FileModificationTime));
}

class ScheduleCommandTest : public ::testing::Test {
 protected:
  TempData data;
  void SetUp() override {
    QLocale::setDefault(QLocale::c());
    WriteSchedules(data);
  }
};

TEST_F(ScheduleCommandTest, ExportScheduleAsTsv) {
  const auto before = data.Snapshot();
  const CliResult run = RunCli({"--data-dir", data.Dir(), "export", "schedule"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            " Fld#\t Field Name\t Day\t Date\t Time\t Home\t Away\n"
            " 1\t Memorial Park\t \t \t 10:00 a\t 2\t 3\n"
            " 1\t Memorial Park\t Sat\t 6-6\t 10:00 a\t 1\t 2\n"
            " 2\t Riverside Diamond\t Sat\t 6-6\t 11:00 p\t 3\t 1\n"
            " 1\t Memorial Park\t Sat\t 6-13\t 10:00 a\t 1\t 3\n");
  EXPECT_EQ(run.err, "");
  // The stored current game (none) became the first row's, in memory only.
  EXPECT_EQ(data.Snapshot(), before);
}

TEST_F(ScheduleCommandTest, ExportScheduleAsCalendar) {
  const auto before = data.Snapshot();
  CliResult run = RunCli({"--data-dir", data.Dir(), "export", "schedule", "--format", "ics"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "BEGIN:VCALENDAR\r\n"
            "VERSION:2.0\r\n"
            "PRODID:-//Scorvane//Scorvane//EN\r\n"
            "CALSCALE:GREGORIAN\r\n"
            "X-WR-CALNAME:2026 Valley League\r\n"
            "BEGIN:VEVENT\r\n"
            "UID:Y1L1G1@scorvane\r\n"
            "DTSTAMP:20260501T120000Z\r\n"
            "DTSTART:20260606T100000\r\n"
            "DTEND:20260606T120000\r\n"
            "SUMMARY:Bears\\; Cubs\\, Inc. 3 at Tigers 5\r\n"
            "LOCATION:Memorial Park\r\n"
            "DESCRIPTION:Umpires: Sam Whitaker\\, Rita Gomez\r\n"
            "END:VEVENT\r\n"
            "BEGIN:VEVENT\r\n"
            "UID:Y1L1G2@scorvane\r\n"
            "DTSTAMP:20260501T120000Z\r\n"
            "DTSTART:20260606T230000\r\n"
            "DTEND:20260607T010000\r\n"
            "SUMMARY:Tigers at Caf\xC3\xA9 Hawks\r\n"
            "LOCATION:Riverside Diamond\r\n"
            "END:VEVENT\r\n"
            "BEGIN:VEVENT\r\n"
            "UID:Y1L1G5@scorvane\r\n"
            "DTSTAMP:20260501T120000Z\r\n"
            "DTSTART:20260613T100000\r\n"
            "DTEND:20260613T120000\r\n"
            "SUMMARY:Caf\xC3\xA9 Hawks 4 at Tigers 0\r\n"
            "LOCATION:Memorial Park\r\n"
            "DESCRIPTION:Umpire: Sam Whitaker\r\n"
            "END:VEVENT\r\n"
            "END:VCALENDAR\r\n");
  EXPECT_EQ(run.err, "Game 4 has no valid date and time; it is left out of the calendar.\n");

  // The other league, chosen on the command line, sorted by the league's
  // choice as the table is.
  run = RunCli({"--data-dir", data.Dir(), "export", "schedule", "--league", "2", "--format=ICS"});
  ASSERT_EQ(run.status, 0) << run.err;
  const size_t first = run.out.find("UID:Y1L2G3@scorvane\r\n");
  EXPECT_NE(first, std::string::npos) << run.out;
  EXPECT_LT(first, run.out.find("UID:Y1L2G1@scorvane\r\n"));
  EXPECT_NE(run.out.find("X-WR-CALNAME:2026 Twilight\r\n"), std::string::npos);
  EXPECT_NE(run.out.find("SUMMARY:Larks at Owls\r\nLOCATION:North Lot\r\nDESCRIPTION:Umpire: Ann Lee\r\n"),
            std::string::npos);

  run = RunCli({"--data-dir", data.Dir(), "export", "teams", "--format", "ics"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(data.Snapshot(), before);
}

TEST_F(ScheduleCommandTest, CheckScheduleListsDoubleBookings) {
  const auto before = data.Snapshot();
  CliResult run = RunCli({"--data-dir", data.Dir(), "check-schedule"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");

  run = RunCli({"--data-dir", data.Dir(), "check-schedule", "--year", "1", "--league", "2"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "2026/07/04 6:30 pm: field 1 North Lot has games 1 and 2\n"
            "2026/07/04 6:30 pm: team 1 Owls has games 1 and 2\n"
            "2026/07/04 6:30 pm: umpire 7 Ann Lee has games 1 and 2\n");
  EXPECT_EQ(run.err, "");

  // Names are printed as UTF-8.
  data.Write("Y1L1.Games", {"G|", "|20260606|1000|1|1|3|||||||", "|20260606|1000|2|3|2|||||||"});
  run = RunCli({"--data-dir", data.Dir(), "check-schedule"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "2026/06/06 10:00 am: team 3 Caf\xC3\xA9 Hawks has games 1 and 2\n");
  const auto changed = data.Snapshot();

  run = RunCli({"--data-dir", data.Dir(), "check-schedule", "--league", "3"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("No league 3 in "), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
  for (const QStringList& args : std::vector<QStringList>{
           {"--data-dir", data.Dir(), "check-schedule", "--team", "1"},
           {"--data-dir", data.Dir(), "check-schedule", "--format", "tsv"},
           {"--data-dir", data.Dir(), "check-schedule", "extra"},
       }) {
    run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(data.Snapshot(), changed);
}

TEST_F(ScheduleCommandTest, MakeScheduleAppendsTheGamesOfTheStoredTimes) {
  data.Write("Y1L1.Times", {"2026062710001", "2026062010002", "2026062010001"});
  // The stored current season is another one.
  data.Write("Baseball.Years", {"Y|0||2||||", "|2026|Summer|1|", "|2027|Fall||"});
  CliResult run = RunCli({"--data-dir", data.Dir(), "make-schedule", "--year", "1", "--league", "1"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "3 games added to the schedule.\n");
  EXPECT_NE(run.err.find("You have 2 fields available and 3 teams to schedule."), std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("Add 3 Games to Schedule?"), std::string::npos) << run.err;
  const std::string games = data.Read("Y1L1.Games");
  EXPECT_EQ(games.substr(games.size() - 87),
            "|20260620|1000|1|1|2|||||||\r\n|20260620|1000|2|3|1|||||||\r\n|20260627|1000|1|2|3|||||||\r\n");
  EXPECT_NE(data.Read("Y1.Leagues").find("|1|Valley League|1|8|"), std::string::npos);
  EXPECT_EQ(ParseYearsHeader(data.Read("Baseball.Years")).CurYear, "2");

  // Refusals print the window's message and change no file.
  const auto before = data.Snapshot();
  run = RunCli({"--data-dir", data.Dir(), "make-schedule", "--year", "1", "--league", "2"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(
      run.err.find("You must set the times that fields are available before adding games to the schedule."),
      std::string::npos)
      << run.err;
  EXPECT_EQ(data.Snapshot(), before);
  data.Write("Y1L2.Teams", {"T|", "|1|Owls||||", "X|2|Larks||||"});
  const auto fewTeams = data.Snapshot();
  run = RunCli({"--data-dir", data.Dir(), "make-schedule", "--year", "1", "--league", "2"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Number of teams must be from 3 to 20"), std::string::npos) << run.err;
  EXPECT_EQ(data.Snapshot(), fewTeams);
  EXPECT_EQ(RunCli({"--data-dir", data.Dir(), "make-schedule", "extra"}).status, 2);
}

TEST_F(ScheduleCommandTest, CheckScheduleWithoutALeague) {
  data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Summer||"});
  const CliResult run = RunCli({"--data-dir", data.Dir(), "check-schedule"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("No league is selected"), std::string::npos) << run.err;
}

// Unfolds the content lines of a calendar, checking each physical line.
std::vector<std::string> Unfold(const std::string& ics) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < ics.size()) {
    const size_t end = ics.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "a line without CR LF";
    if (end == std::string::npos) break;
    const std::string physical = ics.substr(start, end - start);
    EXPECT_LE(physical.size(), 75u) << physical;
    EXPECT_TRUE(QString::fromUtf8(physical.data(), static_cast<qsizetype>(physical.size())).toUtf8() ==
                QByteArray::fromStdString(physical))
        << "a UTF-8 sequence split: " << physical;
    if (!physical.empty() && physical[0] == ' ' && !lines.empty())
      lines.back() += physical.substr(1);
    else
      lines.push_back(physical);
    start = end + 2;
  }
  return lines;
}

TEST(ExportIcs, LongLinesFoldAtSeventyFiveOctets) {
  DataStore store(QStringLiteral("/nonexistent"));
  store.GamesKey = "Y3L2";
  // Names that make the summary run well past 75 octets, with two-octet
  // characters at every place a fold could fall.
  const std::string e = "\xE9";  // é in Windows-1252
  std::string away, home;
  for (int i = 0; i < 39; ++i) away += i % 2 ? e : "a";
  for (int i = 0; i < 39; ++i) home += i % 3 ? e : "b";
  store.Teams = {"T|", "|1|" + home + "||||", "|2|" + away + "||||"};
  store.Fields = {"F|", "|1|Back\\Lot, East; Gate|"};
  store.Umpires = {"U|", "|||", "|2|Ray|"};
  store.Games = {"G|", "|20261231|2330|1|1|2|1|2|||||"};
  Grid grid;
  grid.SetColCount(2);
  grid.SetRowCount(3);
  grid.SetCell(0, 1, "1");
  grid.SetCell(0, 2, "");  // the blank row of an empty table is no game

  const QString caption = QString(70, QLatin1Char('x'));
  const std::string ics =
      ExportIcs(store, grid, caption, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC)).toStdString();
  const std::vector<std::string> lines = Unfold(ics);
  const auto has = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  auto utf8 = [](const std::string& cp1252) {
    return QString::fromLatin1(cp1252.c_str()).toUtf8().toStdString();
  };
  EXPECT_TRUE(has("SUMMARY:" + utf8(away) + " at " + utf8(home))) << ics;
  EXPECT_TRUE(has("X-WR-CALNAME:" + std::string(70, 'x'))) << ics;
  EXPECT_TRUE(has("LOCATION:Back\\\\Lot\\, East\\; Gate")) << ics;
  EXPECT_TRUE(has("DESCRIPTION:Umpire: Ray")) << ics;  // an umpire without a name or number is left out
  EXPECT_TRUE(has("UID:Y3L2G1@scorvane"));
  EXPECT_TRUE(has("DTSTAMP:20260102T030405Z"));
  EXPECT_TRUE(has("DTEND:20270101T013000"));  // into the next year
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "BEGIN:VEVENT"), 1);
  // The first line takes 75 octets, the next starts with a space; a line of
  // exactly 75 octets stays whole.
  EXPECT_NE(ics.find("X-WR-CALNAME:" + std::string(62, 'x') + "\r\n " + std::string(8, 'x') + "\r\n"),
            std::string::npos)
      << ics;
  const std::string whole = ExportIcs(store, grid, QString(62, QLatin1Char('x')), QDateTime()).toStdString();
  EXPECT_NE(whole.find("\r\nX-WR-CALNAME:" + std::string(62, 'x') + "\r\nBEGIN:VEVENT\r\n"),
            std::string::npos)
      << whole;
}

}  // namespace
}  // namespace scv::test
