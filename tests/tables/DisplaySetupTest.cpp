#include "tables/DisplaySetup.h"

#include <QDir>

#include "cli/CommandLine.h"
#include "dialogs/PickList.h"
#include "schedule/ScheduleListBox.h"
#include "support/FakeViews.h"
#include "tables/Columns.h"
#include "tables/Schedule.h"
#include "tables/TableFixture.h"

namespace scv::test {
namespace {

// The three setup dialogs in one: each Exec runs the next scripted step.
class FakeSetupViews : public StandingsSetupView,
                       public PlayerSortView,
                       public ScheduleSortView,
                       public ScriptedDialog<FakeSetupViews> {
 public:
  std::map<int, bool> checks;
  std::map<int, std::string> userItems;
  std::string caption, teamFilter, umpireFilter;
  int innings = 0, sortItem = -1, focusOk = 0, focusSort = 0;
  bool descending = false;

  void SetChecked(int item, bool c) override { checks[item] = c; }
  bool Checked(int item) const override { return checks.count(item) && checks.at(item); }
  void FocusOk() override { ++focusOk; }
  bool Exec() override { return RunStep(*this); }
  void SetCaption(const std::string& c) override { caption = c; }
  void SetInnings(int n) override { innings = n; }
  int Innings() const override { return innings; }
  void SetSortItem(int i) override { sortItem = i; }
  int SortItem() const override { return sortItem; }
  void SetDescending(bool d) override { descending = d; }
  bool Descending() const override { return descending; }
  void FocusSort() override { ++focusSort; }
  void SetUserItem(int item, const std::string& text) override { userItems[item] = text; }
  void SetTeamFilter(const std::string& t) override { teamFilter = t; }
  void SetUmpireFilter(const std::string& t) override { umpireFilter = t; }
};

class FakeFontView : public FontView {
 public:
  std::optional<TableFont> answer;  // none: cancelled
  TableFont shown;
  bool ChooseFont(TableFont& font) override {
    shown = font;
    if (answer) font = *answer;
    return answer.has_value();
  }
};

// Pitchers: ER 3 over 6 2/3 innings; C1 figures 5, 12, 9.
std::string Pitcher(const std::string& no, const std::string& name, const std::string& c1) {
  return PlayerLine(no, name, {{Fig::IP, "6"}, {Fig::IP3, "2"}, {Fig::ER, "3"}, {Fig::C1, c1}});
}

class DisplaySetupTest : public TableTest {
 protected:
  FakeSetupViews views;
  FakeFontView font;
  FakeListView list;
  FakeNameView name;
  FakeMessages messages;
  FakeHelpView help;
  std::unique_ptr<PickList> pickList;
  std::unique_ptr<ScheduleListBox> picker;
  std::unique_ptr<DisplaySetup> setup;

  void OpenLeague(const LeagueSpec& league = {}) {
    WriteLeague(league);
    WriteTeams({"|1|Tigers|||||", "|2|Bears|||||"});
    WritePlayers(1, {Pitcher("3", "Cy", "5"), Pitcher("1", "Al", "12"), Pitcher("2", "Bo", "9")});
    data.Write("Y1L1.Games", {"G|", "|20240501|1800||1|2|||||||", "|20240502|1800||2|1|||||||"});
    Reopen();
  }
  void Reopen() {
    setup.reset();
    Open();
    pickList = std::make_unique<PickList>(list, name, messages, help);
    picker = std::make_unique<ScheduleListBox>(*store, *pickList);
    setup =
        std::make_unique<DisplaySetup>(*store, *tables, SetupViews{views, views, views, font}, *picker, help);
  }
  void Script(std::function<bool(FakeSetupViews&)> step) { views.script.push_back(std::move(step)); }
  std::string LeagueLine() const { return store->Leagues.at(1); }
};

TEST_F(DisplaySetupTest, StandingsSetupShowsNineInningsAndOkChangesTheEraAtOnce) {
  OpenLeague();
  Show(TeamsTab);
  Script([](FakeSetupViews& v) {
    EXPECT_EQ(v.innings, 9);
    EXPECT_EQ(v.caption, "Majors");
    EXPECT_TRUE(v.Checked(1) && v.Checked(8));
    return false;
  });
  setup->SetupButtonClick();
  // Cancel leaves the default in memory, to go with the next write.
  EXPECT_EQ(store->CurrentLeague.Innings, "9");
  EXPECT_FALSE(store->LeaguesChanged);

  Show(PitchingTab);
  EXPECT_EQ(Column(" ERA").front(), " 4.05");
  Show(TeamsTab);
  Script([](FakeSetupViews& v) {
    v.innings = 7;
    v.checks[2] = false;
    return true;
  });
  setup->SetupButtonClick();
  EXPECT_EQ(ParseLeague(LeagueLine()).Innings, "7");
  EXPECT_EQ(ParseLeague(LeagueLine()).StandingsItems, "* ******");
  EXPECT_EQ(ColumnOf(" Team#"), -1);
  EXPECT_TRUE(store->LeaguesChanged);
  Show(PitchingTab);
  EXPECT_EQ(Column(" ERA").front(), " 3.15");

  setup->StandingsHelpClick();
  EXPECT_EQ(help.topics.back(), QStringLiteral("Sort_Button"));
  EXPECT_EQ(views.focusOk, 1);
}

TEST_F(DisplaySetupTest, PlayerSetupChoosesColumnsAndSortPerTab) {
  LeagueSpec league;
  league.user1 = "Hustle";
  league.user3 = "Grit";
  OpenLeague(league);
  Show(HittingTab);
  const std::string before = LeagueLine();

  Script([](FakeSetupViews& v) {
    EXPECT_EQ(v.caption, "Choose Items to Display and Sort Sequence for Hitting Page");
    EXPECT_EQ(v.userItems, (std::map<int, std::string>{
                               {58, "Hustle"}, {59, "User Defined"}, {60, "Grit"}, {61, "User Defined"}}));
    EXPECT_EQ(v.sortItem, 1);  // the player number
    EXPECT_TRUE(v.Checked(3) && v.Checked(21) && !v.Checked(4) && !v.Checked(58));
    EXPECT_EQ(v.focusSort, 1);
    return false;
  });
  setup->SetupButtonClick();
  EXPECT_EQ(LeagueLine(), before);

  // Player Name off on this tab only; the first user column shown and
  // sorted by, descending.
  Script([](FakeSetupViews& v) {
    v.checks[3] = false;
    v.checks[58] = true;
    v.sortItem = 57;
    v.descending = true;
    return true;
  });
  setup->SetupButtonClick();
  const LeagueRecord stored = ParseLeague(LeagueLine());
  EXPECT_EQ(static_cast<unsigned char>(stored.SortKeys[1]), 128 + 57);
  EXPECT_EQ(stored.SortDown, " 1     ");
  EXPECT_EQ(static_cast<unsigned char>(stored.ColumnFlags[2]), 0xBD);
  EXPECT_EQ(static_cast<unsigned char>(stored.ColumnFlags[57]), 0x82);
  EXPECT_EQ(ColumnOf(" Player Name"), -1);
  EXPECT_EQ(Column("Hustle"), (std::vector<std::string>{" 12", " 9", " 5", " 26"}));
  Show(PlayersTab);
  EXPECT_NE(ColumnOf(" Player Name"), -1);
  EXPECT_EQ(Column(" No").front(), " 1");

  setup->PlayerHelpClick();
  EXPECT_EQ(help.topics.back(), QStringLiteral("Player_Statistics"));
}

TEST_F(DisplaySetupTest, ScheduleFilterPickedInTheDialogLastsUntilAnotherLeaguesGames) {
  OpenLeague();
  LeagueSpec minors;
  minors.name = "Minors";
  data.Write("Y1.Leagues", {"L|", test::LeagueLine({}), test::LeagueLine(minors)});
  data.Write("Y1L1.Games", {"G|", "|20240501|1800||1|2|||||||", "|20240502|1800||2|1|||||||",
                            "|20240503|1800||1|1|||||||"});
  Reopen();
  Show(ScheduleTab);

  // A team picked and then Cancel changes nothing; picked and OK, it is the
  // filter (the umpire pick cancelled leaves all umpires).
  list.Script(PickOk, "2");
  list.Script(PickOk, "2");
  Script([this](FakeSetupViews& v) {
    EXPECT_EQ(v.teamFilter + "/" + v.umpireFilter, "All Teams/All Umpires");
    setup->TeamButtonClick();
    EXPECT_EQ(v.teamFilter, "Bears");
    return false;
  });
  Script([this](FakeSetupViews& v) {
    setup->TeamButtonClick();
    setup->UmpireButtonClick();
    EXPECT_EQ(v.umpireFilter, "All Umpires");
    v.sortItem = SortByHome;
    v.descending = true;
    return true;
  });
  setup->SetupButtonClick();
  EXPECT_EQ(Keys().size(), 3u);
  EXPECT_EQ(store->CurrentTeam.Name, "Tigers");
  setup->SetupButtonClick();
  EXPECT_EQ(Keys(), (std::vector<std::string>{"2", "1"}));
  EXPECT_EQ(store->CurrentTeam.Name, "Tigers");
  EXPECT_EQ(static_cast<unsigned char>(ParseLeague(LeagueLine()).SortKeys[6]), 128 + SortByHome);

  // It stays over tab switches and shows when the dialog opens again.
  Show(PlayersTab);
  Show(ScheduleTab);
  EXPECT_EQ(Keys().size(), 2u);
  Script([this](FakeSetupViews& v) {
    EXPECT_EQ(v.teamFilter, "Bears");
    setup->AllTeamClick();
    EXPECT_EQ(v.teamFilter, "All Teams");
    return false;
  });
  setup->SetupButtonClick();
  EXPECT_EQ(tables->TeamFilter, "2");

  // Another league's games empty it.
  store->CurrentYear.CurLeague = "2";
  store->ReadLeague(2);
  Show(ScheduleTab);
  EXPECT_EQ(tables->TeamFilter, "");
}

TEST_F(DisplaySetupTest, HeaderClickStoresWhatTheDialogStoresAndExportFollowsIt) {
  OpenLeague();
  Show(CustomTab);
  Script([](FakeSetupViews& v) {
    v.sortItem = 2;  // Player Name
    return true;
  });
  setup->SetupButtonClick();
  const std::string byDialog = LeagueLine();

  Reopen();
  Show(CustomTab);
  setup->HeaderClick(ColumnOf(" Player Name"));
  EXPECT_EQ(LeagueLine(), byDialog);
  EXPECT_EQ(grid.SortColumn, ColumnOf(" Player Name"));
  EXPECT_EQ(grid.HeaderNames.at(static_cast<size_t>(grid.SortColumn)), "Player Name (Name) ");
  setup->HeaderClick(ColumnOf(" Player Name"));  // again: descending
  EXPECT_EQ(Column(" Player Name"), (std::vector<std::string>{" Cy", " Bo", " Al", " Totals"}));
  EXPECT_EQ(ParseLeague(LeagueLine()).SortDown, "     1 ");
  ASSERT_TRUE(store->SaveAll());

  StartOptions options;
  testing::internal::CaptureStdout();
  EXPECT_EQ(RunCommandLine({"--data-dir", data.Dir(), "export", "custom", "--format", "csv"},
                           QDir::tempPath(), options),
            0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Seq,No,Player Name\r\n1,3,Cy\r\n2,2,Bo\r\n3,1,Al\r\n***,***,Totals\r\n");

  // The schedule sorts by the columns its sort choices name; others do nothing.
  Show(ScheduleTab);
  setup->HeaderClick(ColumnOf(" Home"));
  EXPECT_EQ(ScheduleSortChoice(ParseLeague(LeagueLine())), SortByHome);
  const std::string line = LeagueLine();
  setup->HeaderClick(ColumnOf(" Day"));
  EXPECT_EQ(LeagueLine(), line);
}

TEST_F(DisplaySetupTest, FontChosenIsStoredAndComesBackWithTheLeague) {
  OpenLeague();
  TableFont chosen;
  chosen.Name = "DejaVu Serif";
  chosen.PointSize = 12;
  chosen.Bold = false;
  chosen.Italic = true;
  chosen.Underline = true;
  font.answer = chosen;
  setup->FontButtonClick();
  EXPECT_EQ(font.shown, TableFont());  // the grid's font as it was
  LeagueRecord stored = ParseLeague(LeagueLine());
  EXPECT_EQ(stored.FontColor, "");  // black
  EXPECT_EQ(stored.FontName, "DejaVu Serif");
  EXPECT_EQ(stored.FontSize, "12");
  EXPECT_EQ(stored.FontBold, "");
  EXPECT_EQ(stored.FontItalic, "1");
  EXPECT_EQ(store->tableFont, chosen);  // underline too, for this run

  // After a restart: the same font, regular weight too; underline is not kept.
  ASSERT_TRUE(store->SaveAll());
  Reopen();
  ASSERT_TRUE(store->LoadLeagues());
  chosen.Underline = false;
  EXPECT_EQ(store->tableFont, chosen);

  // A colour is stored as its number; Cancel stores nothing.
  chosen.Color = 0x0000FF;
  font.answer = chosen;
  setup->FontButtonClick();
  EXPECT_EQ(ParseLeague(LeagueLine()).FontColor, "255");
  const std::string line = LeagueLine();
  font.answer.reset();
  setup->FontButtonClick();
  EXPECT_EQ(LeagueLine(), line);
}

}  // namespace
}  // namespace scv::test
