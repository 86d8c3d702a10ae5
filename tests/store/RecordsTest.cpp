#include <gtest/gtest.h>

#include "store/Records.h"

namespace scv {
namespace {

TEST(Records, MissingFieldsReadEmptyAndOverlongFieldsAreCut) {
  TeamRecord t = ParseTeam("|12|Tigers|");
  EXPECT_EQ(t.Mark, "");
  EXPECT_EQ(t.No, "12");
  EXPECT_EQ(t.Name, "Tigers");
  EXPECT_EQ(t.Won, "");
  EXPECT_EQ(t.CurPlayer, "");
  EXPECT_EQ(ParseTeam("T|").Mark, "T");

  // A field without its closing bar is not read.
  EXPECT_EQ(ParseTeam("|12|Tigers").Name, "");
  TeamRecord cut = ParseTeam("|1234567|" + std::string(70, 'n') + "|123456|");
  EXPECT_EQ(cut.No, "12345");
  EXPECT_EQ(cut.Name, std::string(40, 'n'));
  EXPECT_EQ(cut.Won, "1234");
  // Composing cuts to the widths as well.
  EXPECT_EQ(Compose(cut), "|12345|" + std::string(40, 'n') + "|1234||||");
}

TEST(Records, LeagueDefaultsApplyOnReadAndAreWrittenBack) {
  LeagueRecord l = ParseLeague("|1|Majors|");
  ASSERT_EQ(l.ColumnFlags.size(), 61u);
  EXPECT_EQ(static_cast<unsigned char>(l.ColumnFlags[0]), 0xA0);
  EXPECT_EQ(static_cast<unsigned char>(l.ColumnFlags[2]), 0xBF);
  EXPECT_EQ(static_cast<unsigned char>(l.ColumnFlags[11]), 0x90);
  EXPECT_EQ(static_cast<unsigned char>(l.ColumnFlags[42]), 0x88);  // PT on the pitching tab
  EXPECT_EQ(static_cast<unsigned char>(l.ColumnFlags[40]), 0x80);  // ST on no tab
  EXPECT_EQ(l.SortKeys, std::string(7, '\x81'));
  EXPECT_EQ(l.SortDown, std::string(7, ' '));
  EXPECT_EQ(l.ScheduleItems, " ****** *" + std::string(11, ' '));
  EXPECT_EQ(l.StandingsItems, "********");

  std::string line = Compose(l);
  LeagueRecord again = ParseLeague(line);
  EXPECT_EQ(again.ColumnFlags, l.ColumnFlags);
  // Trailing spaces of the direction and item fields are not written.
  EXPECT_NE(line.find("|" + std::string(7, '\x81') + "||" + l.ColumnFlags + "| ****** *|********|"),
            std::string::npos);

  // A short stored column list keeps its bytes and pads with the defaults.
  LeagueRecord partial = ParseLeague("|1|M|" + std::string(8, '|') + "\x83\x82|1 1|\xC1|* *|**|");
  EXPECT_EQ(partial.SortKeys, "\x83\x82" + std::string(5, '\x81'));
  EXPECT_EQ(partial.SortDown, "1 1    ");
  EXPECT_EQ(static_cast<unsigned char>(partial.ColumnFlags[0]), 0xC1);
  EXPECT_EQ(static_cast<unsigned char>(partial.ColumnFlags[1]), 0xBF);
  EXPECT_EQ(partial.ScheduleItems, "* *" + std::string(17, ' '));
  EXPECT_EQ(partial.StandingsItems, "**      ");
}

TEST(Records, FullLeagueLineIsKeptWhole) {
  LeagueRecord l = ParseLeague("|1|M|");
  l.Mark = "";
  l.No = "12345";
  l.Name = std::string(40, 'N');
  l.CurTeam = "99999";
  l.CurGame = "88888";
  l.Innings = "9999";
  l.FontColor = "16777215";
  l.FontName = std::string(40, 'F');
  l.FontSize = "1234";
  l.FontBold = l.FontItalic = "1";
  l.SortDown = "1111111";
  l.ScheduleItems = std::string(20, '*');
  l.UserHeader1 = "Caption1";
  l.UserHeader2 = "Caption2";
  l.UserHeader3 = "Caption3";
  l.UserHeader4 = "Caption4";
  std::string line = Compose(l);
  EXPECT_EQ(line.size(), 268u);  // the mark is empty: one short of the widest line
  LeagueRecord back = ParseLeague(line);
  EXPECT_EQ(back.UserHeader4, "Caption4");
  EXPECT_EQ(back.FontName, l.FontName);
  EXPECT_EQ(Compose(back), line);
}

TEST(Records, PlayerAndGameLinesRoundTrip) {
  PlayerRecord p;
  p.No = "7";
  p.Name = "Ann \xC9toile";
  for (int k = 0; k < Fig::Count; ++k) p.Figures[k] = std::to_string(k * 100);
  std::string line = Compose(p);
  EXPECT_EQ(Compose(ParsePlayer(line)), line);
  EXPECT_EQ(ParsePlayer(line).Figures[Fig::C4], "4400");
  EXPECT_STREQ(FigureAbbrev[Fig::IP3], "3IP");
  EXPECT_STREQ(FigureAbbrev[Fig::Single], "1B");

  GameRecord g = ParseGame("|20260606|1300|1|2|3|4||||5|2|");
  EXPECT_EQ(g.Time, "1300");
  EXPECT_EQ(g.Umpire(1), "4");
  EXPECT_EQ(g.HTS, "5");
  EXPECT_EQ(Compose(g), "|20260606|1300|1|2|3|4||||5|2|");

  // Deleting puts "X" in front; everything else reads as before.
  PlayerRecord deleted = ParsePlayer("X" + line);
  EXPECT_EQ(deleted.Mark, "X");
  EXPECT_EQ(deleted.Name, p.Name);
}

}  // namespace
}  // namespace scv
