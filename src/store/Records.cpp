#include "store/Records.h"

#include "store/Text.h"

namespace scv {

const std::array<const char*, Fig::Count> FigureAbbrev = {
    "G",  "Inn", "PA", "1B",  "2B",  "3B",  "HR",  "SO", "BB", "HP", "WCI", "SBnt",
    "SFly", "RBI", "RS", "PkO", "SB", "CS", "BO",  "GP", "IP", "3IP", "ST",  "BT",
    "WP", "Bks", "HA", "WA",  "BH",  "BSO", "RPO", "RA", "ER", "Won", "Lost", "Sv",
    "Pos", "PB", "PO", "A",   "Err", "C1",  "C2",  "C3", "C4"};

std::string LineSplitter::SplitField(size_t width) {
  size_t bar = rest_.find('|');
  if (bar == std::string_view::npos) return std::string();
  std::string_view field = rest_.substr(0, bar);
  rest_.remove_prefix(bar + 1);
  field = field.substr(0, 61);
  return std::string(field.substr(0, width));
}

void ComposeField(std::string& line, std::string_view text, size_t width) {
  line.append(text.substr(0, width));
  line.push_back('|');
}

std::string& LeagueRecord::UserHeader(int i) {
  switch (i) {
    case 1: return UserHeader1;
    case 2: return UserHeader2;
    case 3: return UserHeader3;
    default: return UserHeader4;
  }
}

const std::string& LeagueRecord::UserHeader(int i) const {
  return const_cast<LeagueRecord*>(this)->UserHeader(i);
}

std::string& GameRecord::Umpire(int i) {
  switch (i) {
    case 1: return U1;
    case 2: return U2;
    case 3: return U3;
    default: return U4;
  }
}

const std::string& GameRecord::Umpire(int i) const { return const_cast<GameRecord*>(this)->Umpire(i); }

unsigned char DefaultColumnFlag(int k) {
  if (k == 1) return 0xA0;
  if (k == 2 || k == 3) return 0xBF;
  if ((k >= 4 && k <= 11) || k == 13 || k == 14) return 0x81;
  if (k == 12 || (k >= 32 && k <= 38)) return 0x90;
  if (k >= 15 && k <= 20) return 0x84;
  if (k >= 21 && k <= 31) return 0x82;
  if (k == 39 || k == 40 || k == 43 || k == 46 || k == 47 || k == 49 || (k >= 51 && k <= 56))
    return 0x88;
  return 0x80;
}

namespace {

std::string PadRight(std::string text, size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

}  // namespace

YearsHeaderRecord ParseYearsHeader(std::string_view line) {
  LineSplitter s(line);
  YearsHeaderRecord r;
  r.ListMark = s.SplitField(1);
  r.CurTab = s.SplitField(1);
  r.Reserved1 = s.SplitField(5);
  r.CurYear = s.SplitField(Width::Index);
  r.WinHeight = s.SplitField(5);
  r.WinWidth = s.SplitField(5);
  r.Reserved2 = s.SplitField(6);
  return r;
}

std::string Compose(const YearsHeaderRecord& r) {
  std::string line;
  ComposeField(line, r.ListMark, 1);
  ComposeField(line, r.CurTab, 1);
  ComposeField(line, r.Reserved1, 5);
  ComposeField(line, r.CurYear, Width::Index);
  ComposeField(line, r.WinHeight, 5);
  ComposeField(line, r.WinWidth, 5);
  ComposeField(line, r.Reserved2, 6);
  return line;
}

YearRecord ParseYear(std::string_view line) {
  LineSplitter s(line);
  YearRecord r;
  r.Mark = s.SplitField(Width::Mark);
  r.No = s.SplitField(Width::No);
  r.Name = s.SplitField(Width::Name);
  r.CurLeague = s.SplitField(Width::Index);
  return r;
}

std::string Compose(const YearRecord& r) {
  std::string line;
  ComposeField(line, r.Mark, Width::Mark);
  ComposeField(line, r.No, Width::No);
  ComposeField(line, r.Name, Width::Name);
  ComposeField(line, r.CurLeague, Width::Index);
  return line;
}

LeagueRecord ParseLeague(std::string_view line) {
  LineSplitter s(line);
  LeagueRecord r;
  r.Mark = s.SplitField(Width::Mark);
  r.No = s.SplitField(Width::No);
  r.Name = s.SplitField(Width::Name);
  r.CurTeam = s.SplitField(Width::Index);
  r.CurGame = s.SplitField(Width::Index);
  r.Innings = s.SplitField(4);
  r.FontColor = s.SplitField(8);
  r.FontName = s.SplitField(40);
  r.FontSize = s.SplitField(4);
  r.FontBold = s.SplitField(1);
  r.FontItalic = s.SplitField(1);
  r.SortKeys = PadRight(s.SplitField(Width::SortKeys), Width::SortKeys);
  for (char& c : r.SortKeys)
    if (c == ' ') c = static_cast<char>(129);
  r.SortDown = PadRight(s.SplitField(Width::SortDown), Width::SortDown);
  r.ColumnFlags = PadRight(s.SplitField(Width::ColumnFlags), Width::ColumnFlags);
  for (size_t i = 0; i < r.ColumnFlags.size(); ++i)
    if (r.ColumnFlags[i] == ' ') r.ColumnFlags[i] = static_cast<char>(DefaultColumnFlag(static_cast<int>(i) + 1));
  r.ScheduleItems = s.SplitField(Width::ScheduleItems);
  if (r.ScheduleItems.empty()) r.ScheduleItems = " ****** *";
  r.ScheduleItems = PadRight(r.ScheduleItems, Width::ScheduleItems);
  r.StandingsItems = s.SplitField(Width::StandingsItems);
  if (r.StandingsItems.empty()) r.StandingsItems = "********";
  r.StandingsItems = PadRight(r.StandingsItems, Width::StandingsItems);
  r.UserHeader1 = s.SplitField(Width::UserHeader);
  r.UserHeader2 = s.SplitField(Width::UserHeader);
  r.UserHeader3 = s.SplitField(Width::UserHeader);
  r.UserHeader4 = s.SplitField(Width::UserHeader);
  return r;
}

std::string Compose(const LeagueRecord& r) {
  std::string line;
  ComposeField(line, r.Mark, Width::Mark);
  ComposeField(line, r.No, Width::No);
  ComposeField(line, r.Name, Width::Name);
  ComposeField(line, r.CurTeam, Width::Index);
  ComposeField(line, r.CurGame, Width::Index);
  ComposeField(line, r.Innings, 4);
  ComposeField(line, r.FontColor, 8);
  ComposeField(line, r.FontName, 40);
  ComposeField(line, r.FontSize, 4);
  ComposeField(line, r.FontBold, 1);
  ComposeField(line, r.FontItalic, 1);
  ComposeField(line, r.SortKeys, Width::SortKeys);
  ComposeField(line, TrimRight(r.SortDown), Width::SortDown);
  ComposeField(line, r.ColumnFlags, Width::ColumnFlags);
  ComposeField(line, TrimRight(r.ScheduleItems), Width::ScheduleItems);
  ComposeField(line, TrimRight(r.StandingsItems), Width::StandingsItems);
  ComposeField(line, r.UserHeader1, Width::UserHeader);
  ComposeField(line, r.UserHeader2, Width::UserHeader);
  ComposeField(line, r.UserHeader3, Width::UserHeader);
  ComposeField(line, r.UserHeader4, Width::UserHeader);
  return line;
}

TeamRecord ParseTeam(std::string_view line) {
  LineSplitter s(line);
  TeamRecord r;
  r.Mark = s.SplitField(Width::Mark);
  r.No = s.SplitField(Width::No);
  r.Name = s.SplitField(Width::Name);
  r.Won = s.SplitField(Width::Figure);
  r.Lost = s.SplitField(Width::Figure);
  r.Tied = s.SplitField(Width::Figure);
  r.CurPlayer = s.SplitField(Width::Index);
  return r;
}

std::string Compose(const TeamRecord& r) {
  std::string line;
  ComposeField(line, r.Mark, Width::Mark);
  ComposeField(line, r.No, Width::No);
  ComposeField(line, r.Name, Width::Name);
  ComposeField(line, r.Won, Width::Figure);
  ComposeField(line, r.Lost, Width::Figure);
  ComposeField(line, r.Tied, Width::Figure);
  ComposeField(line, r.CurPlayer, Width::Index);
  return line;
}

PlayerRecord ParsePlayer(std::string_view line) {
  LineSplitter s(line);
  PlayerRecord r;
  r.Mark = s.SplitField(Width::Mark);
  r.No = s.SplitField(Width::No);
  r.Name = s.SplitField(Width::Name);
  for (auto& f : r.Figures) f = s.SplitField(Width::Figure);
  return r;
}

std::string Compose(const PlayerRecord& r) {
  std::string line;
  line.reserve(230);
  ComposeField(line, r.Mark, Width::Mark);
  ComposeField(line, r.No, Width::No);
  ComposeField(line, r.Name, Width::Name);
  for (const auto& f : r.Figures) ComposeField(line, f, Width::Figure);
  return line;
}

GameRecord ParseGame(std::string_view line) {
  LineSplitter s(line);
  GameRecord r;
  r.Mark = s.SplitField(Width::Mark);
  r.Date = s.SplitField(8);
  r.Time = s.SplitField(4);
  r.Field = s.SplitField(Width::Index);
  r.Home = s.SplitField(Width::Index);
  r.Away = s.SplitField(Width::Index);
  r.U1 = s.SplitField(Width::Index);
  r.U2 = s.SplitField(Width::Index);
  r.U3 = s.SplitField(Width::Index);
  r.U4 = s.SplitField(Width::Index);
  r.HTS = s.SplitField(Width::Figure);
  r.ATS = s.SplitField(Width::Figure);
  return r;
}

std::string Compose(const GameRecord& r) {
  std::string line;
  ComposeField(line, r.Mark, Width::Mark);
  ComposeField(line, r.Date, 8);
  ComposeField(line, r.Time, 4);
  ComposeField(line, r.Field, Width::Index);
  ComposeField(line, r.Home, Width::Index);
  ComposeField(line, r.Away, Width::Index);
  ComposeField(line, r.U1, Width::Index);
  ComposeField(line, r.U2, Width::Index);
  ComposeField(line, r.U3, Width::Index);
  ComposeField(line, r.U4, Width::Index);
  ComposeField(line, r.HTS, Width::Figure);
  ComposeField(line, r.ATS, Width::Figure);
  return line;
}

NamedRecord ParseNamed(std::string_view line) {
  LineSplitter s(line);
  NamedRecord r;
  r.Mark = s.SplitField(Width::Mark);
  r.No = s.SplitField(Width::No);
  r.Name = s.SplitField(Width::Name);
  return r;
}

std::string Compose(const NamedRecord& r) {
  std::string line;
  ComposeField(line, r.Mark, Width::Mark);
  ComposeField(line, r.No, Width::No);
  ComposeField(line, r.Name, Width::Name);
  return line;
}

}  // namespace scv
