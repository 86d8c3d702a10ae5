// The QKT import over a data store: what each section becomes, where the
// selection ends, which lists reach the disk, and the files it refuses.
#include "import/QktImport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "dialogs/PickList.h"
#include "store/DataStore.h"
#include "support/FakeViews.h"
#include "support/TempData.h"
#include "tables/TableFixture.h"

namespace scv {
namespace {

using test::FakeMessages;
using test::TempData;

class RecordingProgress : public Progress {
 public:
  std::vector<std::string> starts;
  int max = -1, steps = 0, finishes = 0;
  void Start(const char* caption) override { starts.push_back(caption); }
  void SetMax(int m) override { max = m; }
  void Step() override { ++steps; }
  void Finish() override { ++finishes; }
};

class ScriptedOpenDialog : public OpenFileView {
 public:
  QString answer;  // empty: Cancel
  int execs = 0;
  bool Execute(QString& fileName) override {
    ++execs;
    fileName = answer;
    return !answer.isEmpty();
  }
};

class QktImportTest : public ::testing::Test {
 protected:
  TempData data;
  QTemporaryDir root;  // the QKT files lie in root/qkt
  FakeMessages messages;
  RecordingProgress progress;
  std::unique_ptr<DataStore> store;

  void SetUp() override {
    ASSERT_TRUE(QDir(root.path()).mkpath("qkt"));
    data.Write("Baseball.Years", {"Y|0||1||||", "|2018|Old|0|"});
    store = std::make_unique<DataStore>(data.Dir(), &messages);
    ASSERT_TRUE(store->LoadYears());
  }
  QString Path(const QString& name) const { return root.path() + "/qkt/" + name; }
  void WriteBytes(const QString& path, const std::string& bytes) const {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  QString WriteQkt(const std::vector<std::string>& lines, const QString& name = "Test.QKT") const {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    WriteBytes(Path(name), bytes);
    return Path(name);
  }
  ImportResult Import(const QString& path) { return ImportQkt(*store, path, messages, progress); }
};

TEST_F(QktImportTest, AddsWhatTheFileHoldsWithItsReferencesPlaceholdersAndNotes) {
  const QString path = WriteQkt({
      "[Init]",      "Last=10",     "[Y1]",        "Name=2023",  "Last=1",      "[Y1L1]",    "Name=Metro",
      "Inn=7",       "Note=LNOTE1", "Last=3",      "[Y1L1T1]",   "Name=Aces",   "No=1",      "Won=4",
      "Last=1",      "[Y1L1T1P1]",  "Name=Bob",    "No=9",       "AB=10",       "BB=2",      "HP=1",
      "SFly=1",      "Note=bob",    "[Y1L1T3]",    "Name=Cubs",  "Note=NOFILE", "[Y1L1S]",   "Last=1",
      "[Y1L1G1]",    "D=20230501",  "T=1830",      "F=F3",       "H=Y1L1T2",    "A=Y1L1T5",  "U1=U4",
      "HTS=3",       "[Y5]",        "Last=1",  // no name: skipped with its league
      "[Y5L1]",      "Name=Ghosts", "[Y10]",       "Name=2024",  "Last=10",     "[Y10L2]",   "Name=Majors",
      "Note=../x",   "[Y10L2S]",    "Last=1",      "[Y10L2G1]",  "D=20240601",  "H=Y10L2T7", "[Y10L10]",
      "Name=Minors", "[Y10L10S]",   "Last=2",      "[Y10L10G1]", "T=0900",  // no date: skipped
      "[Y10L10G2]",  "D=20240602",  "H=Y10L10T12", "A=Y10L10T3", "[Fields]",    "Last=3",    "[F1]",
      "Name=Park",   "No=1",        "Note=FN",     "[F3]",       "Name=Lot",    "No=3",      "[Umpires]",
      "Last=2",      "[U2]",        "Name=Ray",    "No=5",
  });
  WriteBytes(Path("LNOTE1.QKN"), "Metro notes\r\nline 2\r\n");
  WriteBytes(Path("BOB.QKN"), "Bob's note\r\n");  // the value's case differs
  WriteBytes(Path("FN.QKN"), "Field note\r\n");
  WriteBytes(root.path() + "/x.QKN", "outside the QKT folder\r\n");

  ASSERT_EQ(Import(path), ImportResult::Imported);
  EXPECT_TRUE(messages.errors.empty()) << messages.errors.front().toStdString();

  // Seasons 1 and 10 become years 2 and 3; the last is current.
  EXPECT_EQ(store->Years, (List{"Y|0||1||||", "|2018|Old|0|", "|2023|Imported from QKT file|1|",
                                "|2024|Imported from QKT file|2|"}));
  EXPECT_EQ(store->YearsHeader.CurYear, "3");
  EXPECT_EQ(store->CurrentLeague.Name, "Minors");

  // Year 2: teams up to the count, T2 a placeholder no pick list shows.
  store->YearsHeader.CurYear = "2";
  store->ReadYear(2);
  store->CurrentYear.CurLeague = "1";
  ASSERT_TRUE(store->LoadTeams());
  EXPECT_EQ(store->Teams, (List{"T|", "|1|Aces|4|||1|", "+|||||||", "||Cubs|||||"}));
  EXPECT_EQ(store->CurrentLeague.Innings, "7");
  test::FakeListView list;
  test::FakeNameView name;
  test::FakeHelpView help;
  list.Script(PickCancel);
  PickList(list, name, messages, help).Run(store->Teams, "1");
  EXPECT_EQ(list.IndexesShown(0), (std::vector<std::string>{"3", "1"}));

  // PA = AB + BB + HP + SBnt + SFly; the figures without a QKT key are empty.
  store->CurrentLeague.CurTeam = "1";
  ASSERT_TRUE(store->LoadPlayers());
  ASSERT_EQ(store->Players.size(), 2u);
  store->ReadPlayer(1);
  EXPECT_EQ(store->CurrentPlayer.Figures[Fig::PA], "14");
  EXPECT_EQ(store->CurrentPlayer.Figures[Fig::BB], "2");
  EXPECT_EQ(store->CurrentPlayer.Figures[Fig::Inn], "");

  // References drop their letters: F3, Y1L1T2, Y1L1T5, U4 give 3, 2, 5, 4.
  ASSERT_TRUE(store->LoadGames());
  EXPECT_EQ(store->Games, (List{"G|", "|20230501|1830|3|2|5|4||||3||"}));
  // Every league gets all fields and umpires, unnamed ones as placeholders.
  ASSERT_TRUE(store->LoadFields() && store->LoadUmpires());
  EXPECT_EQ(store->Fields, (List{"F|", "|1|Park|", "+|||", "|3|Lot|"}));
  EXPECT_EQ(store->Umpires, (List{"U|", "+|||", "|5|Ray|"}));

  // Notes: copied line for line beside their records; missing ones and one
  // that would be read from outside the QKT file's folder give none.
  EXPECT_EQ(data.Read("Y2L1.Notes"), "Metro notes\r\nline 2\r\n");
  EXPECT_EQ(data.Read("Y2L1T1P1.Notes"), "Bob's note\r\n");
  for (const char* league : {"Y2L1", "Y3L1", "Y3L2"})
    EXPECT_EQ(data.Read(std::string(league) + "F1.Notes"), "Field note\r\n") << league;
  EXPECT_FALSE(data.Exists("Y2L1T3.Notes"));
  EXPECT_FALSE(data.Exists("Y3L1.Notes"));

  // Year 3: leagues 2 and 10 of season 10; a team number after the league's
  // section name, read whole.
  for (const auto& [league, games] : std::vector<std::pair<std::string, List>>{
           {"1", {"G|", "|20240601|||7||||||||"}}, {"2", {"G|", "|20240602|||12|3|||||||"}}}) {
    store->YearsHeader.CurYear = "3";
    store->ReadYear(3);
    store->CurrentYear.CurLeague = league;
    ASSERT_TRUE(store->LoadGames());
    EXPECT_EQ(store->Games, games) << league;
  }

  // One step for every section read and record added, by bytes.
  EXPECT_EQ(progress.starts, std::vector<std::string>{"Reading Data..."});
  EXPECT_EQ(progress.max, static_cast<int>(QFileInfo(path).size() / 8));
  // 3 seasons, 3 leagues, 3 teams, 1 player, 4 games, 3 x 5 fields and umpires.
  EXPECT_EQ(progress.steps, 29);
  EXPECT_EQ(progress.finishes, 1);
}

TEST_F(QktImportTest, ListsLeftBehindAreSavedAndASecondImportAddsASecondCopy) {
  const QString path = WriteQkt({"[Init]", "Last=1", "[Y1]", "Name=2023", "Last=2", "[Y1L1]", "Name=East",
                                 "Last=1", "[Y1L1T1]", "Name=Aces", "Last=1", "[Y1L1T1P1]", "Name=Bob",
                                 "[Y1L2]", "Name=West", "Last=1", "[Y1L2T1]", "Name=Bees"});
  ASSERT_EQ(Import(path), ImportResult::Imported);
  // The first league's lists were written when the second was loaded.
  EXPECT_EQ(data.Read("Y2L1.Teams"), "T|\r\n||Aces||||1|\r\n");
  EXPECT_TRUE(data.Exists("Y2L1T1.Players"));
  // The last league's lists are in memory, marked changed.
  EXPECT_FALSE(data.Exists("Y2L2.Teams"));
  EXPECT_TRUE(store->TeamsChanged && store->LeaguesChanged);

  ASSERT_EQ(Import(path), ImportResult::Imported);
  ASSERT_TRUE(store->SaveAll());
  EXPECT_EQ(store->Years.size(), 4u);
  EXPECT_EQ(store->Years[2], store->Years[3]);
  for (const char* file : {".Leagues", "L1.Teams", "L1T1.Players", "L2.Teams"})
    EXPECT_EQ(data.Read(std::string("Y2") + file), data.Read(std::string("Y3") + file)) << file;
}

TEST_F(QktImportTest, RefusesAFileBeforeAddingAnything) {
  const auto before = data.Snapshot();
  const List years = store->Years;

  EXPECT_EQ(Import(WriteQkt({"[Init]", "Last=1"}, "data.txt")), ImportResult::Refused);
  EXPECT_EQ(messages.warnings, std::vector<QString>{kQktWrongExtension});

  // Unreadable: the file's name and the system's reason.
  ASSERT_TRUE(QDir(root.path()).mkpath("qkt/Folder.QKT"));
  for (const QString& name : {QStringLiteral("Missing.QKT"), QStringLiteral("Folder.QKT")}) {
    messages.errors.clear();
    EXPECT_EQ(Import(Path(name)), ImportResult::Refused);
    ASSERT_EQ(messages.errors.size(), 1u) << name.toStdString();
    EXPECT_TRUE(
        messages.errors[0].startsWith("Could not read " + QDir::toNativeSeparators(Path(name)) + ": "))
        << messages.errors[0].toStdString();
    EXPECT_GT(messages.errors[0].size(), ("Could not read " + Path(name) + ": ").size());
  }

  // A count that no list can hold, wherever it is used, refuses the whole
  // file: nothing is added and no time goes into counting up to it.
  const std::vector<std::string> valid = {"[Init]", "Last=1",    "[Y1]",   "Name=2023", "Last=1",
                                          "[Y1L1]", "Name=East", "Last=1", "[Y1L1T1]",  "Name=Aces"};
  for (const auto& extra : std::vector<std::vector<std::string>>{{"[Fields]", "Last=100000"},
                                                                 {"[Umpires]", "Last=0x186A0"},
                                                                 {"Last=2000000000"},  // players of T1
                                                                 {"[Y1L1S]", "Last=123456"}}) {
    std::vector<std::string> lines = valid;
    lines.insert(lines.end(), extra.begin(), extra.end());
    messages.errors.clear();
    EXPECT_EQ(Import(WriteQkt(lines)), ImportResult::Refused) << extra.back();
    EXPECT_EQ(messages.errors, std::vector<QString>{kQktTooManyRecords}) << extra.back();
  }
  messages.errors.clear();
  EXPECT_EQ(Import(WriteQkt({"[Init]", "Last=100000"})), ImportResult::Refused);
  EXPECT_EQ(store->Years, years);
  EXPECT_EQ(data.Snapshot(), before);
  EXPECT_TRUE(progress.starts.empty());

  // The most a list can hold is accepted.
  messages.errors.clear();
  EXPECT_EQ(Import(WriteQkt({"[Init]", "Last=0", "[Fields]", "Last=99999"})), ImportResult::Imported);
  EXPECT_TRUE(messages.errors.empty());
}

TEST_F(QktImportTest, TheMenuCommandRedrawsAfterAnImportAndNotAfterCancelOrARefusal) {
  Grid grid;
  test::RecordingHost host;
  Tables tables(*store, grid, progress, host);
  ScriptedOpenDialog dialog;
  ImportPresenter presenter(*store, tables, dialog, messages);

  presenter.ImportItemClick();  // Cancel
  dialog.answer = WriteQkt({"[Init]", "Last=1"}, "wrong.qk");
  presenter.ImportItemClick();
  EXPECT_EQ(dialog.execs, 2);
  EXPECT_EQ(host.gridChanges, 0);
  EXPECT_EQ(messages.warnings.size(), 1u);

  // A file of no seasons adds nothing and still redraws; a lower-case
  // extension is fine.
  dialog.answer = WriteQkt({"[Init]", "Last=0"}, "empty.qkt");
  presenter.ImportItemClick();
  EXPECT_GT(host.gridChanges, 0);
  EXPECT_EQ(grid.Cell(1, 0), " Place");
  EXPECT_EQ(store->Years.size(), 2u);
}

}  // namespace
}  // namespace scv
