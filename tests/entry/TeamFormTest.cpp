#include "entry/TeamForm.h"

#include <gtest/gtest.h>

#include "store/Text.h"
#include "support/FakeViews.h"
#include "tables/TableFixture.h"

namespace scv::test {
namespace {

class TeamFormTest : public TableTest {
 protected:
  FakeTeamFormView view;
  FakeMessages messages;
  std::unique_ptr<TeamFormPresenter> presenter;

  void Start(const std::string& won, const std::string& lost, const std::string& tied) {
    WriteLeague({});
    WriteTeams({Line({"", "1", "Ants", won, lost, tied, "4"})});
    Open();
    Show(TeamsTab);
    store->TeamsChanged = false;
    presenter = std::make_unique<TeamFormPresenter>(*store, view, messages, *tables);
  }
  // One game entered: the edits as typed and the item chosen.
  void Enter(const std::string& won, const std::string& lost, const std::string& tied, TeamFormView::Item item) {
    view.script.push_back([=](FakeTeamFormView& v) {
      v.won = won;
      v.lost = lost;
      v.tied = tied;
      v.item = item;
      return true;
    });
  }
};

TEST_F(TeamFormTest, OneGameIsAddedToTheCounts) {
  struct Case {
    std::string stored[3], typed[3];
    TeamFormView::Item item;
    std::string won, lost, tied;
  } cases[] = {
      {{"", "", ""}, {"", "", ""}, TeamFormView::Lost, "0", "1", ""},
      {{"", "", ""}, {"", "", ""}, TeamFormView::DidNotPlay, "", "", ""},
      {{"3", "0", ""}, {"3", "0", ""}, TeamFormView::Won, "4", "0", ""},
      {{"", "2", ""}, {"", "2", ""}, TeamFormView::Tied, "0", "2", "1"},
      {{"5", "5", "5"}, {"1 2", "5x", "0"}, TeamFormView::DidNotPlay, "12", "0", ""},
      {{"1", "", ""}, {"", "", ""}, TeamFormView::DidNotPlay, "", "", ""},
  };
  for (const Case& c : cases) {
    Start(c.stored[0], c.stored[1], c.stored[2]);
    view.item = TeamFormView::Tied;  // left over from an earlier use
    view.script.push_back([&](FakeTeamFormView& v) {
      EXPECT_EQ(v.caption, "Ants");
      EXPECT_EQ(v.won, c.stored[0]);
      EXPECT_EQ(v.lost, c.stored[1]);
      EXPECT_EQ(v.tied, c.stored[2]);
      EXPECT_EQ(v.item, TeamFormView::DidNotPlay);
      return false;
    });
    EXPECT_FALSE(presenter->Run());
    EXPECT_FALSE(store->TeamsChanged);

    Enter(c.typed[0], c.typed[1], c.typed[2], c.item);
    EXPECT_TRUE(presenter->Run());
    EXPECT_EQ(store->Teams.at(1), Line({"", "1", "Ants", c.won, c.lost, c.tied, "4"})) << c.typed[0] << c.item;
    EXPECT_TRUE(store->TeamsChanged);
    EXPECT_EQ(Trim(Column(" Lost").at(0)), Trim(c.lost));  // the table is refreshed
  }
}

TEST_F(TeamFormTest, ACountThatDoesNotFitIsRefused) {
  Start("9999", "3", "");
  Enter("9999", "3", "", TeamFormView::Won);
  view.script.push_back([](FakeTeamFormView& v) {
    // Shown again as typed.
    EXPECT_EQ(v.won, "9999");
    EXPECT_EQ(v.item, TeamFormView::Won);
    return false;
  });
  EXPECT_FALSE(presenter->Run());
  EXPECT_EQ(messages.errors, std::vector<QString>{QStringLiteral("Won total 10000 does not fit in 4 characters")});
  EXPECT_EQ(store->Teams.at(1), Line({"", "1", "Ants", "9999", "3", "", "4"}));
  EXPECT_FALSE(store->TeamsChanged);

  // Corrected on the second showing, the entry is stored.
  messages.errors.clear();
  Enter("9999", "3", "-1000", TeamFormView::Lost);
  Enter("9999", "3", "", TeamFormView::Lost);
  EXPECT_TRUE(presenter->Run());
  EXPECT_EQ(messages.errors, std::vector<QString>{QStringLiteral("Tied total -1000 does not fit in 4 characters")});
  EXPECT_EQ(store->Teams.at(1), Line({"", "1", "Ants", "9999", "4", "", "4"}));

  // A count below 0 would rank the team above every other: refused too.
  messages.errors.clear();
  Enter("3", "-5", "", TeamFormView::DidNotPlay);
  EXPECT_FALSE(presenter->Run());
  EXPECT_EQ(messages.errors, std::vector<QString>{QStringLiteral("Lost total -5 cannot be negative")});
  EXPECT_EQ(store->Teams.at(1), Line({"", "1", "Ants", "9999", "4", "", "4"}));
}

}  // namespace
}  // namespace scv::test
