#include <gtest/gtest.h>

#include "store/DataStore.h"
#include "tables/ScheduleClashes.h"

namespace scv::test {
namespace {

using Strings = std::vector<std::string>;

Strings ClashTexts(const DataStore& store) {
  Strings texts;
  for (const ScheduleClash& clash : FindScheduleClashes(store)) texts.push_back(ClashText(clash));
  return texts;
}

class ClashTest : public ::testing::Test {
 protected:
  DataStore store{QStringLiteral("/nonexistent")};
  void SetUp() override {
    store.Fields = {"F|", "|1|Memorial Park|", "|2|Riverside|", "X|3|Old lot|"};
    store.Teams = {"T|", "|1|Tigers||||", "|2|Bears||||", "|3|Hawks||||", "|4|Owls||||"};
    store.Umpires = {"U|", "|1|Sam Whitaker|", "|2|Rita Gomez|"};
  }
};

TEST_F(ClashTest, FieldsTeamsAndUmpiresBookedTwice) {
  store.Games = {
      "G|",
      "|20260606|1000|1|1|2|1|||||",     // 1
      "|20260606|1000|1|3|4||||||",      // 2: field 1 again
      "|20260606|1000|2|4|1|||1||||",    // 3: teams 4 and 1 again, umpire 1 as the third
      "|20260606|1300|1|1|2|1|||||",     // 4: another time
      "|20260613|1000|1|1|2|1|||||",     // 5: another day
      "X|20260606|1000|1|1|2|1|||||",    // 6: deleted
      "|20260606|1000|||||||||",         // 7: no references at all
      "|20260606|1000|0|0|0|0|0|0|0||",  // 8: position 0 books nothing
  };
  EXPECT_EQ(ClashTexts(store), (Strings{
                                   "2026/06/06 10:00 am: field 1 Memorial Park has games 1 and 2",
                                   "2026/06/06 10:00 am: team 1 Tigers has games 1 and 3",
                                   "2026/06/06 10:00 am: team 4 Owls has games 2 and 3",
                                   "2026/06/06 10:00 am: umpire 1 Sam Whitaker has games 1 and 3",
                               }));
  const std::vector<ScheduleClash> clashes = FindScheduleClashes(store);
  ASSERT_EQ(clashes.size(), 4u);
  EXPECT_EQ(clashes[1].What, ScheduleClash::Team);
  EXPECT_EQ(clashes[1].Index, 1);
  EXPECT_EQ(clashes[1].Games, (std::vector<int64_t>{1, 3}));
  EXPECT_EQ(clashes[3].Date, "20260606");
  EXPECT_EQ(clashes[3].Time, "1000");
}

TEST_F(ClashTest, OrderLabelsAndMoreThanTwoGames) {
  store.Games = {
      "G|",
      "|20260620|1830|3|1|2||||||",  // 1: the deleted field 3 still books its slot
      "|20260620|1830|3|3|4||||||",  // 2
      "|20260620|1830|9|||||||",     // 3: field 9 has no record
      "|20260620|1830|9|||||||",     // 4
      "|20260620|0000|2|||2||||",    // 5
      "|20260620|0000|2|||||2||",    // 6: the same umpire in another place
      "|20260620|0000|2|||||||",     // 7
      "|2026062|1200|1|1|2||||||",   // 8: no valid date
      "|2026062|1200|1|1|2||||||",   // 9
      "|20260620||1|1|2||||||",      // 10: no time
      "|20260620||1|1|2||||||",      // 11
      "|20260620|1200|2|2|2||||||",  // 12: a team against itself is not a clash of two games
  };
  EXPECT_EQ(ClashTexts(store), (Strings{
                                   "2026/06/20 12:00 am: field 2 Riverside has games 5, 6 and 7",
                                   "2026/06/20 12:00 am: umpire 2 Rita Gomez has games 5 and 6",
                                   "2026/06/20 6:30 pm: field 3 Old lot has games 1 and 2",
                                   "2026/06/20 6:30 pm: field #9 has games 3 and 4",
                               }));
}

TEST_F(ClashTest, NoClashNoLine) {
  store.Games = {"G|", "|20260606|1000|1|1|2|1|||||", "|20260606|1000|2|3|4|2|||||"};
  EXPECT_TRUE(FindScheduleClashes(store).empty());
  store.Games = {"G|"};
  EXPECT_TRUE(FindScheduleClashes(store).empty());
}

}  // namespace
}  // namespace scv::test
