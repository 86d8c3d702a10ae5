#include "shell/MainForm.h"

#include <gtest/gtest.h>

#include <QFile>

#include "support/MainFakes.h"
#include "support/TempData.h"

namespace scv::test {
namespace {

class MainFormTest : public ::testing::Test, protected FakeMainViews<> {
 protected:
  TempData data;
  std::unique_ptr<DataStore> store;
  std::unique_ptr<MainForm> form;

  void Open(const QString& dir = QString()) {
    form.reset();
    store = std::make_unique<DataStore>(dir.isEmpty() ? data.Dir() : dir, &messages);
    form = std::make_unique<MainForm>(*store, Views());
    form->FormShow();
  }
  // One season, "2024", with the league "Majors" current.
  void WriteSeason(const std::string& header = "Y|0||1|||", const std::string& curTeam = "") {
    data.Write("Baseball.Years", {header, "|2024|Season|1|"});
    data.Write("Y1.Leagues", {"L|", "|1|Majors|" + curTeam + "|"});
  }
  bool RowShows(int row, const std::string& text) const {
    const Grid& g = form->grid;
    if (row >= g.RowCount()) return false;
    for (int c = 1; c < g.ColCount(); ++c)
      if (g.Cell(c, row).find(text) != std::string::npos) return true;
    return false;
  }
};

TEST_F(MainFormTest, FormShowRestoresWindowSizeAndTab) {
  WriteSeason("Y|7||1|400|600|");
  Open();
  EXPECT_EQ(main.sizes, (std::vector<std::pair<int, int>>{{400, 600}}));
  EXPECT_EQ(main.tabsSelected, std::vector<int>{7});
  EXPECT_EQ(form->tables.CurrentTab, ScheduleTab);
  EXPECT_EQ(form->grid.Cell(1, 0), " Fld#");  // the schedule's headers
  EXPECT_EQ(main.caption, QStringLiteral("2024 Majors"));

  // Features still to come stay off even where the table would allow them.
  EXPECT_TRUE(form->tables.Commands.Setup);
  for (Command c : {Command::Setup, Command::Font, Command::Note, Command::Print, Command::BackupItem,
                    Command::ImportItem})
    EXPECT_FALSE(main.Enabled(c)) << static_cast<int>(c);
  EXPECT_TRUE(main.Enabled(Command::SaveItem));
  EXPECT_TRUE(main.Enabled(Command::Update));
  form->SetCommandAvailable(Command::Setup, true);
  EXPECT_TRUE(main.Enabled(Command::Setup));

  // No stored size keeps the designed one; a tab out of range opens the first.
  for (const char* header : {"Y|9||1|||", "Y|x||1|||", "Y|||1|||"}) {
    main = FakeMainView();
    WriteSeason(header);
    Open();
    EXPECT_TRUE(main.sizes.empty()) << header;
    EXPECT_EQ(main.tabsSelected, std::vector<int>{0}) << header;
    EXPECT_EQ(form->tables.CurrentTab, TeamsTab) << header;
    EXPECT_EQ(store->YearsHeader.CurTab, "0") << header;
  }
}

TEST_F(MainFormTest, LeagueCommandWithoutAValidYearOpensTheYearListFirst) {
  WriteSeason("Y|0||||||");
  Open();
  ASSERT_FALSE(store->CurrentYear.Mark.empty());

  list.Script(PickCancel);
  form->LeagueButtonClick();
  EXPECT_EQ(list.execs, 1);
  EXPECT_EQ(list.captions, (std::vector<QString>{QStringLiteral("Year"), QStringLiteral("Year")}));
  EXPECT_EQ(store->YearsHeader.CurYear, "");

  list = FakeListView();
  list.Script(PickOk, "1");
  list.Script(PickOk, "1");
  form->LeagueButtonClick();
  ASSERT_EQ(list.execs, 2);
  EXPECT_EQ(list.captions.front(), QStringLiteral("Year"));
  EXPECT_EQ(list.captions.back(), QStringLiteral("League"));
  EXPECT_EQ(store->YearsHeader.CurYear, "1");
  EXPECT_EQ(store->CurrentYear.CurLeague, "1");
  EXPECT_EQ(store->CurrentLeague.Name, "Majors");
  EXPECT_EQ(main.caption, QStringLiteral("2024 Majors"));
  EXPECT_GT(main.tableFocus, 0);
}

TEST_F(MainFormTest, TeamCommandOnALeagueWithoutTeamsGoesToAdding) {
  WriteSeason();
  Open();
  form->TeamButtonClick();
  EXPECT_EQ(list.execs, 0);
  EXPECT_EQ(name.captions, (std::vector<QString>{QStringLiteral("Add New Baseball Team")}));
  EXPECT_FALSE(store->CurrentTeam.Mark.empty());
  EXPECT_EQ(store->Teams.size(), 1u);
  EXPECT_FALSE(store->TeamsChanged);
  EXPECT_EQ(store->CurrentLeague.CurTeam, "");

  name.Script(true, "7", "Tigers");
  list.Script(PickOk);
  form->TeamButtonClick();
  EXPECT_EQ(store->Teams.at(1), "|7|Tigers|");
  EXPECT_EQ(store->CurrentLeague.CurTeam, "1");
  EXPECT_EQ(store->CurrentTeam.Name, "Tigers");
  EXPECT_TRUE(store->TeamsChanged);
  EXPECT_TRUE(store->LeaguesChanged);
  EXPECT_EQ(store->Leagues.at(1).substr(0, 13), "|1|Majors|1||");
  EXPECT_TRUE(RowShows(1, "Tigers"));
}

TEST_F(MainFormTest, UpdatePicksARecordFirstWhenNoneIsSelected) {
  WriteSeason();
  data.Write("Y1L1T1.Players", {"P|", "X|9|Smith|"});
  Open();
  ASSERT_FALSE(store->CurrentTeam.Mark.empty());

  // No team: the team list (empty, so straight to adding); declining it
  // opens no dialog.
  form->UpdateButtonClick();
  EXPECT_EQ(name.captions.back(), QStringLiteral("Add New Baseball Team"));
  EXPECT_EQ(team.execs, 0);

  team.script.push_back([](FakeTeamFormView& v) {
    EXPECT_EQ(v.caption, "Bears");
    return false;
  });
  name.Script(true, "2", "Bears");
  list.Script(PickOk);
  form->UpdateButtonClick();
  EXPECT_EQ(team.execs, 1);
  EXPECT_EQ(store->CurrentLeague.CurTeam, "1");

  // On a player tab the same with the team's players: the only one is deleted.
  form->BottomTabClick(PlayersTab);
  EXPECT_EQ(store->YearsHeader.CurTab, "1");
  ASSERT_FALSE(store->CurrentPlayer.Mark.empty());
  list.Script(PickCancel);
  form->UpdateButtonClick();
  EXPECT_EQ(list.captions.back(), QStringLiteral("Player"));
  EXPECT_TRUE(list.Enabled(ListView::UndeleteButton));
  EXPECT_EQ(player.execs, 0);

  player.script.push_back([](FakePlayerFormView& v) {
    EXPECT_EQ(v.caption, "Smith");
    return false;
  });
  list = FakeListView();
  list.Script(PickUndelete);
  list.Script(PickOk, "1");
  list.Script(PickOk, "1");
  form->UpdateButtonClick();
  EXPECT_EQ(list.overruns, 0);
  EXPECT_EQ(player.execs, 1);
  EXPECT_EQ(store->Players.at(1), "|9|Smith|");

  // The schedule's Update needs a league and then opens the game window.
  int games = 0;
  form->OpenGameForm = [&] { ++games; };
  form->BottomTabClick(ScheduleTab);
  const int shown = list.execs;
  form->UpdateButtonClick();
  EXPECT_EQ(games, 1);
  EXPECT_EQ(list.execs, shown);
}

TEST_F(MainFormTest, PlayerCommandAddsAPlayerToTheTable) {
  WriteSeason("Y|1||1|||", "1");
  data.Write("Y1L1.Teams", {"T|", "|1|Ants|||||"});
  Open();
  ASSERT_EQ(form->tables.CurrentTab, PlayersTab);
  name.Script(true, "21", "Jones");
  list.Script(PickOk);
  form->PlayerButtonClick();  // an empty list goes straight to adding
  EXPECT_EQ(store->Players.at(1), "|21|Jones|");
  EXPECT_EQ(store->CurrentTeam.CurPlayer, "1");
  EXPECT_EQ(store->CurrentPlayer.Name, "Jones");
  EXPECT_TRUE(store->PlayersChanged);
  EXPECT_TRUE(RowShows(1, "Jones"));
  EXPECT_EQ(list.execs, 1);
  EXPECT_EQ(list.overruns, 0);
}

TEST_F(MainFormTest, ClosingSavesAndAsksWhenTheSaveFails) {
  WriteSeason();
  Open();
  EXPECT_TRUE(form->FormCloseQuery());
  EXPECT_TRUE(messages.confirms.empty());
  EXPECT_NE(data.Read("Baseball.Years").find("|2024|Season|1|"), std::string::npos);

  // A data directory below a plain file can never be written, even by root.
  data.Write("plain", {"not a directory"});
  Open(data.Path("plain") + "/data");
  messages.confirmAnswers = {false, true};
  EXPECT_FALSE(form->FormCloseQuery());
  EXPECT_FALSE(messages.errors.empty());
  EXPECT_EQ(messages.confirms,
            (std::vector<QString>{QStringLiteral("Could not save all data. Exit anyway?")}));
  EXPECT_TRUE(form->FormCloseQuery());
  EXPECT_EQ(messages.confirms.size(), 2u);
}

TEST_F(MainFormTest, HelpSaveAndQuitCommands) {
  WriteSeason();
  Open();
  form->HelpButtonClick();
  EXPECT_EQ(help.topics, std::vector<QString>{QStringLiteral("Contents")});
  QFile::remove(data.Path("Baseball.Years"));
  form->SaveItemClick();
  EXPECT_TRUE(data.Exists("Baseball.Years"));
  EXPECT_EQ(main.closes, 0);
  form->QuitButtonClick();
  EXPECT_EQ(main.closes, 1);
}

}  // namespace
}  // namespace scv::test
