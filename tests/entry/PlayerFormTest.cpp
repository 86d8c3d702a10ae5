#include "entry/PlayerForm.h"

#include <gtest/gtest.h>

#include <set>

#include "store/Text.h"
#include "support/FakeViews.h"
#include "tables/TableFixture.h"

namespace scv::test {
namespace {

class PlayerFormTest : public TableTest {
 protected:
  FakePlayerFormView view;
  FakeMessages messages;
  std::unique_ptr<PlayerFormPresenter> presenter;

  void Start(const std::map<int, std::string>& figures) {
    LeagueSpec league;
    league.user1 = "U1", league.user2 = "U2", league.user3 = "U3", league.user4 = "U4";
    // The second user column is shown on the Players page too.
    league.columnFlags = std::string(61, ' ');
    league.columnFlags[58] = static_cast<char>(0x81);
    WriteLeague(league);
    WriteTeams({Line({"", "1", "Ants", "", "", "", "1"})});
    WritePlayers(1, {PlayerLine("9", "Smith", figures)});
    Open();
    Show(PlayersTab);
    store->LeaguesChanged = store->TeamsChanged = store->PlayersChanged = false;
    presenter = std::make_unique<PlayerFormPresenter>(*store, view, messages, *tables);
  }
  const std::string& Stored(int figure) const { return store->CurrentPlayer.Figures.at(static_cast<size_t>(figure)); }
  PlayerRecord Line1() const { return ParsePlayer(store->Players.at(1)); }
};

TEST_F(PlayerFormTest, AddedFiguresAreSummedIntoTheTotals) {
  Start({{Fig::Single, "12"}, {Fig::SO, "12"}, {Fig::PA, "1 2"}, {Fig::HR, "12a"}, {Fig::IP, "7"},
         {Fig::IP3, "2"}, {Fig::Inn, "5"}, {Fig::BO, "3"}, {Fig::Pos, "SS"}});
  EXPECT_EQ(Trim(Column(" H").at(0)), "12");
  view.add.fill("stale");
  messages.confirmAnswers.assign(3, true);  // 17 hits in 12 appearances, stored anyway
  view.script.push_back([](FakePlayerFormView& v) {
    EXPECT_EQ(v.caption, "Smith");
    EXPECT_EQ(v.focusFirstAdd, 1);
    for (const FigureLabel& f : PlayerFormFigures)
      if (f.summed) EXPECT_EQ(v.add.at(static_cast<size_t>(f.figure)), "") << f.abbrev;
    EXPECT_EQ(v.total[Fig::PA], "1 2");
    EXPECT_EQ(v.total[Fig::BO], "3");
    EXPECT_EQ(v.user, (std::array<std::string, 4>{"U1", "U2", "U3", "U4"}));
    v.add[Fig::Single] = "5";
    v.add[Fig::SO] = "-12";
    v.add[Fig::IP3] = "2";
    v.add[Fig::RBI] = "x";
    v.total[Fig::BO] = "12345";
    v.total[Fig::Pos] = "S|S";
    return true;
  });
  EXPECT_TRUE(presenter->Run());
  const PlayerRecord line = Line1();
  EXPECT_EQ(line.Figures[Fig::Single], "17");
  EXPECT_EQ(line.Figures[Fig::SO], "");
  EXPECT_EQ(line.Figures[Fig::PA], "12");
  EXPECT_EQ(line.Figures[Fig::HR], "");
  EXPECT_EQ(line.Figures[Fig::RBI], "");
  EXPECT_EQ(line.Figures[Fig::IP], "8");
  EXPECT_EQ(line.Figures[Fig::IP3], "1");
  EXPECT_EQ(line.Figures[Fig::Inn], "5");
  EXPECT_EQ(line.Figures[Fig::BO], "1234");
  EXPECT_EQ(line.Figures[Fig::Pos], "SS");
  EXPECT_EQ(line.Name, "Smith");
  EXPECT_TRUE(store->PlayersChanged);
  EXPECT_FALSE(store->LeaguesChanged);
  // The derived figures are computed again from the new totals.
  EXPECT_EQ(Trim(Column(" H").at(0)), "17");

  // Nine thirds are three innings; two thirds or fewer stay as they are.
  view.script.push_back([](FakePlayerFormView& v) {
    v.total[Fig::IP3] = "0";
    v.add[Fig::IP3] = "9";
    return true;
  });
  EXPECT_TRUE(presenter->Run());
  EXPECT_EQ(Stored(Fig::IP), "11");
  EXPECT_EQ(Stored(Fig::IP3), "");
  view.script.push_back([](FakePlayerFormView& v) {
    v.add[Fig::IP3] = "-";
    v.total[Fig::IP3] = "-1";
    return true;
  });
  EXPECT_TRUE(presenter->Run());
  EXPECT_EQ(Stored(Fig::IP), "11");
  EXPECT_EQ(Stored(Fig::IP3), "-1");
}

TEST_F(PlayerFormTest, ATotalThatDoesNotFitIsRefusedAndNothingIsStored) {
  Start({{Fig::PA, "9999"}, {Fig::Err, "-999"}});
  const List leaguesBefore = store->Leagues;
  const std::string playerBefore = store->Players.at(1);
  view.script.push_back([](FakePlayerFormView& v) {
    v.add[Fig::PA] = "1";
    v.add[Fig::Single] = "3";
    v.user[0] = "New";
    return true;
  });
  view.script.push_back([](FakePlayerFormView& v) {
    EXPECT_EQ(v.add[Fig::PA], "1");  // shown again as typed
    EXPECT_EQ(v.user[0], "New");
    v.add[Fig::PA] = "";
    v.add[Fig::Err] = "-1";
    return true;
  });
  view.script.push_back([](FakePlayerFormView&) { return false; });
  EXPECT_FALSE(presenter->Run());
  EXPECT_EQ(view.execs, 3);
  EXPECT_EQ(messages.errors, (std::vector<QString>{QStringLiteral("PA total 10000 does not fit in 4 characters"),
                                                   QStringLiteral("Err total -1000 does not fit in 4 characters")}));
  EXPECT_EQ(store->Players.at(1), playerBefore);
  EXPECT_EQ(store->Leagues, leaguesBefore);
  EXPECT_FALSE(store->PlayersChanged);
  EXPECT_FALSE(store->LeaguesChanged);
}

TEST_F(PlayerFormTest, FewerAtBatsThanHitsAskFirstAndNegativeTotalsAreRefused) {
  Start({{Fig::PA, "4"}, {Fig::Single, "1"}, {Fig::C1, "2"}});
  // Each showing of the dialog: what the user adds.
  using Adds = std::map<int, std::string>;
  for (const Adds& adds : {Adds{{Fig::Single, "2"}, {Fig::BB, "3"}},  // AB 4 - 3 = 1, H 3: No
                           Adds{{Fig::Err, "-1"}, {Fig::C1, "-5"}},   // refused; C1 may go below 0
                           Adds{{Fig::Err, ""}, {Fig::PA, "5"}}})
    view.script.push_back([adds](FakePlayerFormView& v) {
      for (const auto& [figure, text] : adds) v.add[static_cast<size_t>(figure)] = text;
      return true;
    });
  messages.confirmAnswers = {false};
  EXPECT_TRUE(presenter->Run());
  EXPECT_EQ(view.execs, 3);
  EXPECT_EQ(messages.confirms,
            std::vector<QString>{
                QStringLiteral("PA is smaller than the hits, walks and sacrifices entered. Store anyway?")});
  EXPECT_EQ(messages.errors, std::vector<QString>{QStringLiteral("Err total -1 cannot be negative")});
  EXPECT_EQ(Stored(Fig::PA), "9");
  EXPECT_EQ(Stored(Fig::Single), "3");
  EXPECT_EQ(Stored(Fig::C1), "-3");
}

TEST_F(PlayerFormTest, AChangedCaptionStoresAllFourAndRebuildsTheHeaders) {
  Start({});
  ASSERT_GT(ColumnOf("U2"), 0);
  view.script.push_back([](FakePlayerFormView& v) {
    v.user[1] = "Strikeouts";
    return true;
  });
  EXPECT_TRUE(presenter->Run());
  EXPECT_TRUE(store->LeaguesChanged);
  const LeagueRecord league = ParseLeague(store->Leagues.at(1));
  EXPECT_EQ(league.UserHeader1, "U1");
  EXPECT_EQ(league.UserHeader2, "Strikeou");
  EXPECT_EQ(league.UserHeader3, "U3");
  EXPECT_EQ(league.UserHeader4, "U4");
  EXPECT_EQ(ColumnOf("U2"), -1);
  EXPECT_GT(ColumnOf("Strikeou"), 0);
}

TEST(PlayerFormFigures, EveryFigureOnceInItsGroup) {
  std::set<int> seen;
  FigureGroup last = FigureGroup::Offense;
  for (const FigureLabel& f : PlayerFormFigures) {
    EXPECT_TRUE(seen.insert(f.figure).second) << f.abbrev;
    EXPECT_STREQ(f.abbrev, FigureAbbrev.at(static_cast<size_t>(f.figure)));
    EXPECT_GE(static_cast<int>(f.group), static_cast<int>(last)) << f.abbrev;  // groups in order
    last = f.group;
    EXPECT_EQ(f.summed, f.figure != Fig::BO && f.figure != Fig::Pos);
    EXPECT_EQ(f.label == nullptr, f.group == FigureGroup::User);
  }
  EXPECT_EQ(seen.size(), static_cast<size_t>(Fig::Count));
  EXPECT_STREQ(PlayerFormFigures[0].label, "PA: Plate App. (All)");
  EXPECT_STREQ(FigureGroupCaption(FigureGroup::Pitching), "  Add   Total   Pitching");
}

}  // namespace
}  // namespace scv::test
