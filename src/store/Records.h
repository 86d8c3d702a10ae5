#pragma once
// The record kinds of the list files and their line formats. A line is a run
// of fields, each followed by "|"; line 0 of a list is its header.
#include <array>
#include <string>
#include <string_view>

namespace scv {

// Takes fields from the front of a line, one at a time.
class LineSplitter {
 public:
  explicit LineSplitter(std::string_view line) : rest_(line) {}
  // The text before the next "|", cut to 61 and then to width; the line is
  // shortened past that "|". With no "|" left the field is empty.
  std::string SplitField(size_t width) { return std::string(NextField(width)); }
  // The same field as a view into the line, without a copy.
  std::string_view NextField(size_t width);
  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

struct YearsHeaderRecord {
  std::string ListMark, CurTab, Reserved1, CurYear, WinHeight, WinWidth, Reserved2;
};

struct YearRecord {
  std::string Mark, No, Name, CurLeague;
};

struct LeagueRecord {
  std::string Mark, No, Name, CurTeam, CurGame, Innings;
  std::string FontColor, FontName, FontSize, FontBold, FontItalic;
  std::string SortKeys, SortDown, ColumnFlags, ScheduleItems, StandingsItems;
  std::string UserHeader1, UserHeader2, UserHeader3, UserHeader4;
  std::string& UserHeader(int i);  // 1..4
  const std::string& UserHeader(int i) const;
};

struct TeamRecord {
  std::string Mark, No, Name, Won, Lost, Tied, CurPlayer;
};

// The 45 season figures of a player, in line order.
namespace Fig {
enum : int {
  G, Inn, PA, Single, Double, Triple, HR, SO, BB, HP, WCI, SBnt, SFly, RBI, RS, PkO, SB, CS, BO,
  GP, IP, IP3, ST, BT, WP, Bks, HA, WA, BH, BSO, RPO, RA, ER, Won, Lost, Sv, Pos, PB, PO, A, Err,
  C1, C2, C3, C4,
  Count
};
}
// "G", "Inn", "PA", "1B", ... "3IP" ... "C4".
extern const std::array<const char*, Fig::Count> FigureAbbrev;

struct PlayerRecord {
  std::string Mark, No, Name;
  std::array<std::string, Fig::Count> Figures;
};

struct GameRecord {
  std::string Mark, Date, Time, Field, Home, Away, U1, U2, U3, U4, HTS, ATS;
  std::string& Umpire(int i);  // 1..4
  const std::string& Umpire(int i) const;
};

// Fields and umpires.
struct NamedRecord {
  std::string Mark, No, Name;
};

// Field widths.
namespace Width {
constexpr size_t Mark = 1, No = 5, Name = 40, Index = 5, Figure = 4;
constexpr size_t SortKeys = 7, SortDown = 7, ColumnFlags = 61, ScheduleItems = 20, StandingsItems = 8;
constexpr size_t UserHeader = 8;
}  // namespace Width

YearsHeaderRecord ParseYearsHeader(std::string_view line);
YearRecord ParseYear(std::string_view line);
// Applies the display defaults (sort keys, column flags, schedule and
// standings items) as the fields are read.
LeagueRecord ParseLeague(std::string_view line);
TeamRecord ParseTeam(std::string_view line);
PlayerRecord ParsePlayer(std::string_view line);
GameRecord ParseGame(std::string_view line);
NamedRecord ParseNamed(std::string_view line);

// Lines are composed whole: a league line with every field full is 269 bytes.
std::string Compose(const YearsHeaderRecord& r);
std::string Compose(const YearRecord& r);
std::string Compose(const LeagueRecord& r);
std::string Compose(const TeamRecord& r);
std::string Compose(const PlayerRecord& r);
std::string Compose(const GameRecord& r);
std::string Compose(const NamedRecord& r);

// Views of a line's fields, split as the Parse functions split them but
// without a copy: for reading many lines where few fields are kept. Valid
// as long as the line is.
struct NamedView {  // fields, umpires, and the first fields of a team
  std::string_view Mark, No, Name;
};
struct TeamView {
  std::string_view Mark, No, Name, Won, Lost, Tied;
};
struct GameView {
  std::string_view Mark, Date, Time, Field, Home, Away;
  std::array<std::string_view, 4> Umpires;
  std::string_view HTS, ATS;
};
struct PlayerView {
  std::string_view Mark, No, Name;
  std::array<std::string_view, Fig::Count> Figures;
};
NamedView ViewNamed(std::string_view line);
TeamView ViewTeam(std::string_view line);
GameView ViewGame(std::string_view line);
PlayerView ViewPlayer(std::string_view line);

// The default byte of player display column k (1..61) in ColumnFlags.
unsigned char DefaultColumnFlag(int column);

}  // namespace scv
