#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>

#include <QDir>
#include <QFile>

#include "store/DataStore.h"
#include "store/ListFile.h"
#include "store/Messages.h"
#include "support/TempData.h"

namespace scv {
namespace {

using test::TempData;

class RecordingMessages : public Messages {
 public:
  std::vector<QString> errors;
  void Error(const QString& text) override { errors.push_back(text); }
  void Information(const QString&) override {}
  bool Confirm(const QString&) override { return true; }
  Answer ConfirmYesNoAll(const QString&) override { return Answer::Yes; }
  Answer ConfirmYesNoCancel(const QString&) override { return Answer::Yes; }
};

class RecordingFontView : public TableFontView {
 public:
  std::vector<TableFont> applied;
  void ApplyTableFont(const TableFont& font) override { applied.push_back(font); }
};

// Copies the shipped demo league into a fresh directory.
void CopyDemo(const TempData& data) {
  QDir demo(QStringLiteral(SCV_SOURCE_DIR "/resources/demo"));
  for (const QString& name : demo.entryList(QDir::Files))
    ASSERT_TRUE(QFile::copy(demo.filePath(name), data.Path(name.toStdString())));
}

// Reads every list of the current selection, the way the window does.
void LoadEverything(DataStore& s) {
  ASSERT_TRUE(s.LoadYears());
  ASSERT_TRUE(s.LoadPlayers());
  ASSERT_TRUE(s.LoadGames());
  ASSERT_TRUE(s.LoadFields());
  ASSERT_TRUE(s.LoadUmpires());
  ASSERT_TRUE(s.LoadTimes());
}

// Runs fn where the file system refuses writes to `dir`: the directory and its
// files are made read-only and, when the tests run as root (who ignores
// permission bits), fn runs in a child process as an unprivileged user.
// Returns fn's result.
int WithReadOnlyDir(const QString& dir, const std::function<int()>& fn) {
  const QByteArray path = QFile::encodeName(dir);
  for (const QString& name : QDir(dir).entryList(QDir::Files))
    chmod(QFile::encodeName(dir + "/" + name).constData(), 0444);
  chmod(path.constData(), 0555);
  int result;
  if (geteuid() != 0) {
    result = fn();
  } else {
    pid_t pid = fork();
    if (pid == 0) {
      if (setgid(65534) != 0 || setuid(65534) != 0) _exit(99);
      _exit(fn());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result = WIFEXITED(status) ? WEXITSTATUS(status) : 98;
  }
  chmod(path.constData(), 0755);
  for (const QString& name : QDir(dir).entryList(QDir::Files))
    chmod(QFile::encodeName(dir + "/" + name).constData(), 0644);
  return result;
}

// Adds twenty teams of long names, more than 64 bytes of list.
void AddLongTeams(DataStore& s) {
  for (int i = 0; i < 20; ++i) {
    s.CurrentTeam = TeamRecord{"", std::to_string(i), "A team with a long name", "1", "2", "", ""};
    s.AddTeam();
  }
}

// Runs save where files may not grow past 64 bytes, as on a full disk.
bool OnFullDisk(const std::function<bool()>& save) {
  struct rlimit saved {};
  if (getrlimit(RLIMIT_FSIZE, &saved) != 0) return true;
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 64;
  if (setrlimit(RLIMIT_FSIZE, &small) != 0) return true;
  const bool ok = save();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  return ok;
}

TEST(DataStore, UnsavedChangesAreTheUsersWorkNotWhereTheUserWas) {
  TempData data;
  data.Write("Baseball.Years", {"Y|0||1|300|500|", "|2024|Spring|1|"});
  data.Write("Y1.Leagues", {"L|", "|1|Majors|1|"});
  data.Write("Y1L1.Teams", {"T|", "|1|Ants|2|1||1|", "|2|Bees|1|2|||"});
  DataStore s(data.Dir());
  ASSERT_TRUE(s.LoadYears() && s.LoadTeams());
  // Another page, size, year, team or player is saved too, but is no work.
  s.YearsHeader.CurTab = "3";
  s.YearsHeader.CurYear = "7";
  s.CurrentLeague.CurTeam = "2";
  s.WriteLeague();
  s.ReadTeam(2);
  s.CurrentTeam.CurPlayer = "4";
  s.WriteTeam();
  EXPECT_FALSE(s.HasUnsavedChanges());
  // A changed count or a year added is; a save clears it.
  s.CurrentTeam.Won = "2";
  s.WriteTeam();
  EXPECT_TRUE(s.HasUnsavedChanges());
  ASSERT_TRUE(s.SaveAll());
  EXPECT_FALSE(s.HasUnsavedChanges());
  s.AddYear();
  EXPECT_TRUE(s.HasUnsavedChanges());
}

TEST(DataStore, FirstRunWritesNothingUntilTheFirstSaveThenOnlyTheYears) {
  TempData data;
  DataStore s(data.Dir());
  ASSERT_TRUE(s.LoadYears());
  EXPECT_EQ(s.Years, List{"Y|"});
  EXPECT_EQ(s.CurrentYear.Mark, "Y");  // no year selected
  ASSERT_TRUE(s.LoadPlayers());
  ASSERT_TRUE(s.LoadGames());
  EXPECT_TRUE(data.Snapshot().empty());

  ASSERT_TRUE(s.SaveAll());
  auto files = data.Snapshot();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files["Baseball.Years"], "Y|||||||\r\n");
}

TEST(DataStore, SavedListsAreByteIdenticalExceptTheChangedLine) {
  TempData data;
  CopyDemo(data);
  const auto before = data.Snapshot();
  {
    DataStore s(data.Dir());
    LoadEverything(s);
    // Touch every list so that every one is written again.
    s.LeaguesChanged = s.TeamsChanged = s.PlayersChanged = s.GamesChanged = true;
    s.FieldsChanged = s.UmpiresChanged = true;
    ASSERT_TRUE(s.SaveAll());
  }
  EXPECT_EQ(data.Snapshot(), before);

  DataStore s(data.Dir());
  LoadEverything(s);
  s.CurrentTeam.Won = "9";
  ASSERT_TRUE(s.WriteTeam());
  ASSERT_TRUE(s.SaveAll());
  auto after = data.Snapshot();
  for (const auto& [name, bytes] : before) {
    if (name == "Y1L1.Teams") continue;
    EXPECT_EQ(after[name], bytes) << name;
  }
  List oldTeams = SplitLines(before.at("Y1L1.Teams"));
  List newTeams = SplitLines(after["Y1L1.Teams"]);
  ASSERT_EQ(oldTeams.size(), newTeams.size());
  for (size_t i = 0; i < oldTeams.size(); ++i) {
    if (i == 1)
      EXPECT_EQ(newTeams[i], "|1|Riverside Rangers|9|3|1|1|");
    else
      EXPECT_EQ(newTeams[i], oldTeams[i]);
  }
}

TEST(DataStore, ReadsAnyLineEndAndKeepsHighBytes) {
  TempData data;
  QFile f(data.Path("Baseball.Years"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("Y|3||1||||\r|2026|Caf\xE9 \x80 League|1|\n|2027|Two|\r\n\r\n|2028|Four|");
  f.close();
  DataStore s(data.Dir());
  ASSERT_TRUE(s.LoadYears());
  ASSERT_EQ(s.Years.size(), 5u);
  EXPECT_EQ(s.Years[3], "");
  EXPECT_EQ(s.Years[4], "|2028|Four|");
  EXPECT_EQ(s.CurrentYear.Name, "Caf\xE9 \x80 League");
  EXPECT_EQ(s.YearsHeader.CurTab, "3");
  ASSERT_TRUE(s.SaveAll());
  EXPECT_EQ(data.Read("Baseball.Years"),
            "Y|3||1||||\r\n|2026|Caf\xE9 \x80 League|1|\r\n|2027|Two|\r\n\r\n|2028|Four|\r\n");
}

TEST(DataStore, BadStoredIndexesReadTheHeaderAndNeverOverwriteIt) {
  TempData data;
  data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Season|1|"});
  data.Write("Y1.Leagues", {"L|", "|1|Majors|2|"});
  data.Write("Y1L1.Teams", {"T|", "|1|Tigers|", "|2|Lions|"});
  DataStore s(data.Dir());
  ASSERT_TRUE(s.LoadYears());
  ASSERT_TRUE(s.LoadTeams());
  EXPECT_EQ(s.CurrentTeam.Name, "Lions");
  for (const char* bad : {"3", "99999", "-1", "abc", "", "0"}) {
    s.CurrentLeague.CurTeam = bad;
    s.ReadTeam(s.CurrentLeague.CurTeam);
    EXPECT_EQ(s.CurrentTeam.Mark, "T") << bad;
    s.TeamsChanged = false;
    s.CurrentTeam.Name = "Intruder";
    EXPECT_FALSE(s.WriteTeam()) << bad;
    EXPECT_FALSE(s.TeamsChanged) << bad;
    EXPECT_EQ(s.Teams, (List{"T|", "|1|Tigers|", "|2|Lions|"})) << bad;
  }
}

TEST(DataStore, DamagedIndexesNeverNameAFileOutsideTheDataDirectory) {
  TempData data;
  data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Season|/../x|"});
  DataStore s(data.Dir());
  ASSERT_TRUE(s.LoadYears());
  ASSERT_TRUE(s.LoadTeams());
  EXPECT_EQ(s.TeamsKey, "Y1L0");
  s.TeamsChanged = true;
  ASSERT_TRUE(s.SaveAll());
  EXPECT_TRUE(data.Exists("Y1L0.Teams"));
}

TEST(DataStore, ListSwitchesSaveTheOutgoingListFirst) {
  TempData data;
  data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Season|1|", "|2027|Next|1|"});
  data.Write("Y1.Leagues", {"L|", "|1|Majors|1|", "|2|Minors|1|"});
  data.Write("Y1L1.Teams", {"T|", "|1|Tigers||||1|", "|2|Lions||||1|"});
  data.Write("Y1L1T1.Players", {"P|", "|7|Ann|"});
  data.Write("Y1L1T2.Players", {"P|", "|9|Bob|"});
  data.Write("Y1L2.Teams", {"T|", "|1|Owls||||1|"});
  DataStore s(data.Dir());
  ASSERT_TRUE(s.LoadYears());
  ASSERT_TRUE(s.LoadPlayers());
  EXPECT_EQ(s.PlayersKey, "Y1L1T1");
  s.CurrentPlayer.Name = "Annie";
  ASSERT_TRUE(s.WritePlayer());

  // Another team of the same league: the old players are written, the teams
  // list is not read again.
  data.Write("Y1L1.Teams", {"T|", "|1|Changed on disk|"});
  s.CurrentLeague.CurTeam = "2";
  ASSERT_TRUE(s.WriteLeague());
  s.ReadTeam(s.CurrentLeague.CurTeam);
  ASSERT_TRUE(s.LoadPlayers());
  EXPECT_EQ(data.Read("Y1L1T1.Players"), "P|\r\n|7|Annie|" + std::string(45, '|') + "\r\n");
  EXPECT_EQ(s.CurrentPlayer.Name, "Bob");
  EXPECT_EQ(s.Teams[1], "|1|Tigers||||1|");
  EXPECT_FALSE(s.PlayersChanged);

  // Another league: its teams are read; the leagues file waits for the save.
  s.CurrentYear.CurLeague = "2";
  ASSERT_TRUE(s.WriteYear());
  s.ReadLeague(s.CurrentYear.CurLeague);
  ASSERT_TRUE(s.LoadTeams());
  EXPECT_EQ(s.CurrentTeam.Name, "Owls");
  EXPECT_EQ(data.Read("Y1.Leagues"), "L|\r\n|1|Majors|1|\r\n|2|Minors|1|\r\n");
  EXPECT_TRUE(s.LeaguesChanged);

  // The year that is already current loads nothing.
  const std::string leaguesKey = s.LeaguesKey;
  ASSERT_TRUE(s.LoadLeagues());
  EXPECT_EQ(s.LeaguesKey, leaguesKey);

  ASSERT_TRUE(s.SaveAll());
  List leagues = SplitLines(data.Read("Y1.Leagues"));
  ASSERT_EQ(leagues.size(), 3u);
  EXPECT_EQ(ParseLeague(leagues[1]).CurTeam, "2");
  EXPECT_EQ(leagues[2], "|2|Minors|1|");
  EXPECT_EQ(data.Read("Baseball.Years"), "Y|0||1||||\r\n|2026|Season|2|\r\n|2027|Next|1|\r\n");
}

TEST(DataStore, AddOperationsAppendAndSelectTheNewRecord) {
  TempData data;
  DataStore s(data.Dir());
  ASSERT_TRUE(s.LoadYears());
  s.CurrentYear = YearRecord{"X", "2026", "Season", ""};
  s.AddYear();
  EXPECT_EQ(s.YearsHeader.CurYear, "1");
  EXPECT_EQ(s.Years.back(), "|2026|Season||");
  ASSERT_TRUE(s.LoadLeagues());
  s.CurrentLeague = ParseLeague("|1|Majors|");
  s.AddLeague();
  EXPECT_EQ(s.CurrentYear.CurLeague, "1");
  EXPECT_EQ(s.Years[1], "|2026|Season|1|");
  ASSERT_TRUE(s.LoadTeams());
  s.CurrentTeam = TeamRecord{"", "4", "Tigers", "", "", "", ""};
  s.AddTeam();
  EXPECT_EQ(s.CurrentLeague.CurTeam, "1");
  EXPECT_TRUE(s.TeamsChanged);
  EXPECT_EQ(ParseLeague(s.Leagues[1]).CurTeam, "1");
  ASSERT_TRUE(s.SaveAll());
  EXPECT_EQ(data.Read("Y1L1.Teams"), "T|\r\n|4|Tigers|||||\r\n");
}

TEST(DataStore, LeagueFontIsAppliedPropertyByProperty) {
  TempData data;
  data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Season|1|"});
  data.Write("Y1.Leagues", {"L|", "|1|Big||||255|Courier|10|1||", "|2|Plain|" + std::string(7, '|') + "1|"});
  DataStore s(data.Dir());
  RecordingFontView view;
  s.fontView = &view;
  ASSERT_TRUE(s.LoadYears());
  ASSERT_TRUE(s.LoadLeagues());
  ASSERT_FALSE(view.applied.empty());
  TableFont f = view.applied.back();
  EXPECT_EQ(f.Name, "Courier");
  EXPECT_EQ(f.PointSize, 10);
  EXPECT_EQ(f.Color, 255);
  EXPECT_TRUE(f.Bold);
  s.ReadLeague(2);
  f = view.applied.back();
  EXPECT_EQ(f.Name, "Courier");  // empty fields leave the property as it was
  EXPECT_TRUE(f.Italic);
  EXPECT_TRUE(f.Bold);
}

TEST(DataStore, FailedSaveLeavesFilesAsTheyWereAndKeepsTheChanges) {
  TempData data;
  data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Season|1|"});
  data.Write("Y1.Leagues", {"L|", "|1|Majors|1|"});
  data.Write("Y1L1.Teams", {"T|", "|1|Tigers|||||"});
  const auto before = data.Snapshot();

  int code = WithReadOnlyDir(data.Dir(), [&] {
    RecordingMessages messages;
    DataStore s(data.Dir(), &messages);
    if (!s.LoadYears() || !s.LoadTeams()) return 10;
    s.CurrentTeam.Won = "5";
    s.WriteTeam();
    if (s.SaveAll()) return 11;
    if (!s.TeamsChanged || !s.LastSaveFailed) return 12;
    if (messages.errors.size() != 1) return 13;
    if (!messages.errors[0].contains(QStringLiteral("Y1L1.Teams"))) return 14;
    // A list switch whose outgoing list cannot be written keeps that list.
    s.CurrentYear.CurLeague = "2";
    if (s.LoadTeams()) return 15;
    if (s.TeamsKey != "Y1L1" || s.Teams[1] != "|1|Tigers|5||||") return 16;
    return 0;
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(data.Snapshot(), before);  // unchanged, and no temporary file left

  // The same changes reach a directory that can be written.
  RecordingMessages messages;
  DataStore s(data.Dir(), &messages);
  ASSERT_TRUE(s.LoadYears());
  ASSERT_TRUE(s.LoadTeams());
  s.CurrentTeam.Won = "5";
  ASSERT_TRUE(s.WriteTeam());
  ASSERT_TRUE(s.SaveAll());
  EXPECT_TRUE(messages.errors.empty());
  EXPECT_EQ(data.Read("Y1L1.Teams"), "T|\r\n|1|Tigers|5||||\r\n");
}

TEST(DataStore, FullDiskNeverReplacesAListWithACutOffOne) {
  TempData data;
  data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Season|1|"});
  data.Write("Y1.Leagues", {"L|", "|1|Majors|1|"});
  data.Write("Y1L1.Teams", {"T|", "|1|Tigers|||||"});
  const auto before = data.Snapshot();
  RecordingMessages messages;
  DataStore s(data.Dir(), &messages);
  ASSERT_TRUE(s.LoadYears());
  ASSERT_TRUE(s.LoadTeams());
  AddLongTeams(s);
  // Files may not grow past 64 bytes while the lists are saved.
  EXPECT_FALSE(OnFullDisk([&s] { return s.SaveAll(); }));
  EXPECT_TRUE(s.TeamsChanged);
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("Y1L1.Teams")));
  EXPECT_EQ(data.Snapshot(), before);
}

// Bulk writing (the import's): new lists reach their names unsynced, a list
// that replaces another goes the safe way, and a failing write still leaves
// no cut-off list and no temporary file behind.
TEST(DataStore, BulkWritesKeepEveryFileWholeOldOrNew) {
  TempData data;
  data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Season|1|"});
  data.Write("Y1.Leagues", {"L|", "|1|Majors|1|", "|2|Minors||"});
  data.Write("Y1L1.Teams", {"T|", "|1|Tigers|||||"});
  bool deferred = true;
  QString error;
  ASSERT_TRUE(
      WriteListFile(data.Path("Y1L1.Teams"), {"T|", "|1|Lions|||||"}, error, FileSync::Deferred, &deferred));
  EXPECT_FALSE(deferred);  // it replaced a file
  EXPECT_EQ(data.Read("Y1L1.Teams"), "T|\r\n|1|Lions|||||\r\n");

  RecordingMessages messages;
  DataStore s(data.Dir(), &messages);
  s.BulkWrites = true;
  ASSERT_TRUE(s.LoadYears());
  s.CurrentYear.CurLeague = "2";
  ASSERT_TRUE(s.LoadTeams());
  s.CurrentTeam = TeamRecord{"", "7", "Owls", "", "", "", ""};
  s.AddTeam();
  s.CurrentYear.CurLeague = "1";
  ASSERT_TRUE(s.LoadTeams());  // writes the new Y1L2.Teams
  EXPECT_EQ(data.Read("Y1L2.Teams"), "T|\r\n|7|Owls|||||\r\n");

  // A new list that cannot be written whole leaves nothing of itself.
  AddLongTeams(s);
  s.TeamsKey = "Y1L3";
  EXPECT_FALSE(OnFullDisk([&s] { return s.SaveTeams(); }));
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("Y1L3.Teams")));
  const auto files = data.Snapshot();
  EXPECT_EQ(files.count("Y1L3.Teams"), 0u);
  for (const auto& [name, bytes] : files) EXPECT_FALSE(QString::fromStdString(name).endsWith(".new")) << name;

  // The years file is saved after the new lists reach the disk.
  EXPECT_TRUE(s.SaveAll());
  EXPECT_EQ(data.Read("Y1L3.Teams").substr(0, 5), "T|\r\n|");
  EXPECT_NE(data.Read("Baseball.Years").find("2026"), std::string::npos);
}

TEST(DataStore, SaveIntoAPathThatIsNotADirectoryFailsAndReportsIt) {
  TempData data;
  data.Write("plain-file", {"x"});
  RecordingMessages messages;
  DataStore s(data.Path("plain-file/sub"), &messages);
  // A years file that cannot be reached is no empty one.
  EXPECT_FALSE(s.LoadYears());
  EXPECT_FALSE(s.SaveAll());
  ASSERT_EQ(messages.errors.size(), 2u);
  EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("Baseball.Years")));
  EXPECT_TRUE(messages.errors[1].contains(QStringLiteral("Baseball.Years")));
  EXPECT_EQ(data.Read("plain-file"), "x\r\n");
}

TEST(DataStore, UnreadableYearsFileIsNeverOverwritten) {
  TempData data;
  ASSERT_TRUE(QDir(data.Dir()).mkdir(QStringLiteral("Baseball.Years")));
  RecordingMessages messages;
  DataStore s(data.Dir(), &messages);
  EXPECT_FALSE(s.LoadYears());
  EXPECT_EQ(messages.errors.size(), 1u);
  EXPECT_FALSE(s.SaveAll());
  EXPECT_TRUE(QFileInfo(data.Path("Baseball.Years")).isDir());
}

TEST(DataStore, TimesStaySortedWithoutDuplicates) {
  TempData data;
  data.Write("Baseball.Years", {"Y|0||1||||", "|2026|Season|1|"});
  data.Write("Y1L1.Times", {"2026061013002", "2026060610001", "", "2026061013002"});
  DataStore s(data.Dir());
  ASSERT_TRUE(s.LoadYears());
  ASSERT_TRUE(s.LoadGames());
  ASSERT_TRUE(s.LoadTimes());
  EXPECT_EQ(s.Times, (List{"2026060610001", "2026061013002"}));
  size_t position = 9;
  EXPECT_FALSE(s.AddTime("2026061013002", &position));
  EXPECT_EQ(position, 1u);  // the line already there
  EXPECT_TRUE(s.AddTime("2026060809001", &position));
  EXPECT_EQ(position, 1u);
  EXPECT_EQ(s.AddTimes({"2026061013002", "2026060109001", "2026070109001", "2026060109001"}), 2u);
  EXPECT_EQ(s.Times,
            (List{"2026060109001", "2026060610001", "2026060809001", "2026061013002", "2026070109001"}));
  ASSERT_TRUE(s.SaveAll());
  EXPECT_EQ(data.Read("Y1L1.Times"),
            "2026060109001\r\n2026060610001\r\n2026060809001\r\n2026061013002\r\n2026070109001\r\n");
}

}  // namespace
}  // namespace scv
