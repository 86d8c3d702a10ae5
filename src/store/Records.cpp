#include "store/Records.h"

#include <algorithm>

#include "store/Text.h"

namespace scv {

const std::array<const char*, Fig::Count> FigureAbbrev = {
    "G",  "Inn", "PA", "1B",  "2B",  "3B",  "HR",  "SO", "BB", "HP", "WCI", "SBnt",
    "SFly", "RBI", "RS", "PkO", "SB", "CS", "BO",  "GP", "IP", "3IP", "ST",  "BT",
    "WP", "Bks", "HA", "WA",  "BH",  "BSO", "RPO", "RA", "ER", "Won", "Lost", "Sv",
    "Pos", "PB", "PO", "A",   "Err", "C1",  "C2",  "C3", "C4"};

std::string_view LineSplitter::NextField(size_t width) {
  const size_t bar = rest_.find('|');
  if (bar == std::string_view::npos) return std::string_view();
  std::string_view field = rest_.substr(0, std::min<size_t>({bar, 61, width}));
  rest_.remove_prefix(bar + 1);
  return field;
}

namespace {

// Builds a line in a buffer of its own and makes the string once: the
// import composes a line for every record it adds, and a team or league
// line again for every player or game.
class LineComposer {
 public:
  void Add(std::string_view text, size_t width) {
    text = text.substr(0, std::min(width, kRoom - 1 - size_));
    std::copy(text.begin(), text.end(), buffer_ + size_);
    size_ += text.size();
    buffer_[size_++] = '|';
  }
  std::string Line() const { return std::string(buffer_, size_); }

 private:
  // More than the longest line of any record (a full league line is 269).
  static constexpr size_t kRoom = 512;
  char buffer_[kRoom];
  size_t size_ = 0;
};

}  // namespace

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

namespace {

// A record's fields in line order: the member and its width.
template <typename R>
struct FieldSpec {
  std::string R::*member;
  size_t width;
  bool trimRight = false;  // written without trailing spaces
};

template <typename R, size_t N>
std::array<std::string_view, N> FieldViews(std::string_view line, const std::array<FieldSpec<R>, N>& fields) {
  LineSplitter s(line);
  std::array<std::string_view, N> views;
  for (size_t i = 0; i < N; ++i) views[i] = s.NextField(fields[i].width);
  return views;
}

template <typename R, size_t N>
R ParseFields(std::string_view line, const std::array<FieldSpec<R>, N>& fields) {
  const auto views = FieldViews(line, fields);
  R r;
  for (size_t i = 0; i < N; ++i) r.*(fields[i].member) = std::string(views[i]);
  return r;
}

template <typename R, size_t N>
std::string ComposeFields(const R& r, const std::array<FieldSpec<R>, N>& fields) {
  LineComposer line;
  for (const auto& f : fields) {
    std::string_view text = r.*(f.member);
    if (f.trimRight) text = text.substr(0, text.find_last_not_of(' ') + 1);
    line.Add(text, f.width);
  }
  return line.Line();
}

using H = YearsHeaderRecord;
constexpr std::array<FieldSpec<H>, 7> kYearsHeader = {{{&H::ListMark, 1},
                                                       {&H::CurTab, 1},
                                                       {&H::Reserved1, 5},
                                                       {&H::CurYear, Width::Index},
                                                       {&H::WinHeight, 5},
                                                       {&H::WinWidth, 5},
                                                       {&H::Reserved2, 6}}};

using Y = YearRecord;
constexpr std::array<FieldSpec<Y>, 4> kYear = {
    {{&Y::Mark, Width::Mark}, {&Y::No, Width::No}, {&Y::Name, Width::Name}, {&Y::CurLeague, Width::Index}}};

using L = LeagueRecord;
constexpr std::array<FieldSpec<L>, 20> kLeague = {{{&L::Mark, Width::Mark},
                                                   {&L::No, Width::No},
                                                   {&L::Name, Width::Name},
                                                   {&L::CurTeam, Width::Index},
                                                   {&L::CurGame, Width::Index},
                                                   {&L::Innings, 4},
                                                   {&L::FontColor, 8},
                                                   {&L::FontName, 40},
                                                   {&L::FontSize, 4},
                                                   {&L::FontBold, 1},
                                                   {&L::FontItalic, 1},
                                                   {&L::SortKeys, Width::SortKeys},
                                                   {&L::SortDown, Width::SortDown, true},
                                                   {&L::ColumnFlags, Width::ColumnFlags},
                                                   {&L::ScheduleItems, Width::ScheduleItems, true},
                                                   {&L::StandingsItems, Width::StandingsItems, true},
                                                   {&L::UserHeader1, Width::UserHeader},
                                                   {&L::UserHeader2, Width::UserHeader},
                                                   {&L::UserHeader3, Width::UserHeader},
                                                   {&L::UserHeader4, Width::UserHeader}}};

using T = TeamRecord;
constexpr std::array<FieldSpec<T>, 7> kTeam = {{{&T::Mark, Width::Mark},
                                                {&T::No, Width::No},
                                                {&T::Name, Width::Name},
                                                {&T::Won, Width::Figure},
                                                {&T::Lost, Width::Figure},
                                                {&T::Tied, Width::Figure},
                                                {&T::CurPlayer, Width::Index}}};

using G = GameRecord;
constexpr std::array<FieldSpec<G>, 12> kGame = {{{&G::Mark, Width::Mark},
                                                 {&G::Date, 8},
                                                 {&G::Time, 4},
                                                 {&G::Field, Width::Index},
                                                 {&G::Home, Width::Index},
                                                 {&G::Away, Width::Index},
                                                 {&G::U1, Width::Index},
                                                 {&G::U2, Width::Index},
                                                 {&G::U3, Width::Index},
                                                 {&G::U4, Width::Index},
                                                 {&G::HTS, Width::Figure},
                                                 {&G::ATS, Width::Figure}}};

using N = NamedRecord;
constexpr std::array<FieldSpec<N>, 3> kNamed = {
    {{&N::Mark, Width::Mark}, {&N::No, Width::No}, {&N::Name, Width::Name}}};

}  // namespace

YearsHeaderRecord ParseYearsHeader(std::string_view line) { return ParseFields(line, kYearsHeader); }
std::string Compose(const YearsHeaderRecord& r) { return ComposeFields(r, kYearsHeader); }

YearRecord ParseYear(std::string_view line) { return ParseFields(line, kYear); }
std::string Compose(const YearRecord& r) { return ComposeFields(r, kYear); }

LeagueRecord ParseLeague(std::string_view line) {
  LeagueRecord r = ParseFields(line, kLeague);
  // The display defaults, applied as the fields are read.
  r.SortKeys = PadRight(r.SortKeys, Width::SortKeys);
  for (char& c : r.SortKeys)
    if (c == ' ') c = static_cast<char>(129);
  r.SortDown = PadRight(r.SortDown, Width::SortDown);
  r.ColumnFlags = PadRight(r.ColumnFlags, Width::ColumnFlags);
  for (size_t i = 0; i < r.ColumnFlags.size(); ++i)
    if (r.ColumnFlags[i] == ' ') r.ColumnFlags[i] = static_cast<char>(DefaultColumnFlag(static_cast<int>(i) + 1));
  if (r.ScheduleItems.empty()) r.ScheduleItems = " ****** *";
  r.ScheduleItems = PadRight(r.ScheduleItems, Width::ScheduleItems);
  if (r.StandingsItems.empty()) r.StandingsItems = "********";
  r.StandingsItems = PadRight(r.StandingsItems, Width::StandingsItems);
  return r;
}

// The direction and item fields are written without their trailing spaces.
std::string Compose(const LeagueRecord& r) { return ComposeFields(r, kLeague); }

TeamRecord ParseTeam(std::string_view line) { return ParseFields(line, kTeam); }
std::string Compose(const TeamRecord& r) { return ComposeFields(r, kTeam); }

PlayerRecord ParsePlayer(std::string_view line) {
  const PlayerView v = ViewPlayer(line);
  PlayerRecord r;
  r.Mark = v.Mark;
  r.No = v.No;
  r.Name = v.Name;
  for (size_t k = 0; k < r.Figures.size(); ++k) r.Figures[k] = v.Figures[k];
  return r;
}

std::string Compose(const PlayerRecord& r) {
  LineComposer line;
  line.Add(r.Mark, Width::Mark);
  line.Add(r.No, Width::No);
  line.Add(r.Name, Width::Name);
  for (const auto& f : r.Figures) line.Add(f, Width::Figure);
  return line.Line();
}

GameRecord ParseGame(std::string_view line) { return ParseFields(line, kGame); }
std::string Compose(const GameRecord& r) { return ComposeFields(r, kGame); }

NamedRecord ParseNamed(std::string_view line) { return ParseFields(line, kNamed); }
std::string Compose(const NamedRecord& r) { return ComposeFields(r, kNamed); }

NamedView ViewNamed(std::string_view line) {
  const auto f = FieldViews(line, kNamed);
  return {f[0], f[1], f[2]};
}

TeamView ViewTeam(std::string_view line) {
  const auto f = FieldViews(line, kTeam);
  return {f[0], f[1], f[2], f[3], f[4], f[5]};
}

GameView ViewGame(std::string_view line) {
  const auto f = FieldViews(line, kGame);
  return {f[0], f[1], f[2], f[3], f[4], f[5], {f[6], f[7], f[8], f[9]}, f[10], f[11]};
}

PlayerView ViewPlayer(std::string_view line) {
  LineSplitter s(line);
  PlayerView v;
  v.Mark = s.NextField(Width::Mark);
  v.No = s.NextField(Width::No);
  v.Name = s.NextField(Width::Name);
  for (auto& figure : v.Figures) figure = s.NextField(Width::Figure);
  return v;
}

}  // namespace scv
