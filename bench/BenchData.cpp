#include "BenchData.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <vector>

namespace scv::bench {

namespace {

constexpr std::array kFirst = {"Ann",  "Bob",  "Carla", "Dev", "Eli",  "Fay", "Gus",   "Hana", "Ian", "Jo",
                               "Kurt", "Lena", "Max",   "Nia", "Otto", "Pia", "Quinn", "Rosa", "Sam", "Tess"};
constexpr std::array kLast = {"Baker", "Chen",     "Dunn",  "Ford",   "Garcia", "Hale",   "Ito",
                              "Jones", "Kowalski", "Lund",  "Moreno", "Novak",  "Okafor", "Price",
                              "Quist", "Reyes",    "Silva", "Tran",   "Ueda",   "Vance"};
constexpr std::array kAnimals = {"Hawks", "Owls",   "Bears", "Cubs", "Rams",  "Elks",
                                 "Foxes", "Wolves", "Bees",  "Jays", "Colts", "Storm"};
constexpr std::array kPlaces = {"North Valley", "Riverside", "Oak Hill",    "Lakeview",
                                "Pine Ridge",   "Harbor",    "Maple Grove", "Stone Creek"};

template <class Array>
const char* Pick(Rng& rng, const Array& names) {
  return names[static_cast<size_t>(rng.Between(0, static_cast<int>(names.size()) - 1))];
}

// Appends the lines of one section.
class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}
  void Section(const std::string& name) {
    out_ += '[';
    out_ += name;
    out_ += "]\r\n";
  }
  void Key(const char* key, const std::string& value) {
    out_ += key;
    out_ += '=';
    out_ += value;
    out_ += "\r\n";
  }
  void Key(const char* key, int value) { Key(key, std::to_string(value)); }

 private:
  std::string& out_;
};

constexpr int kLeagues = 4, kTeams = 12, kPlayers = 18, kFields = 6, kUmpires = 8;

void Player(Writer& w, Rng& rng, const std::string& section, int number) {
  w.Section(section);
  w.Key("Name", PersonName(rng));
  w.Key("No", number);
  w.Key("G", rng.Between(10, 30));
  w.Key("AB", rng.Between(20, 120));
  for (const char* key : {"1B", "2B", "3B", "HR", "SO", "BB", "HP", "SBnt", "SFly", "R", "RBI", "SB", "CS"})
    w.Key(key, rng.Between(0, 20));
  w.Key("BO", rng.Between(1, 9));
  if (number % 6 == 0) {  // the pitchers
    for (const char* key : {"GP", "IP", "HA", "WA", "HB", "BSO", "RA", "ER", "Won", "Lost", "Sv"})
      w.Key(key, rng.Between(0, 40));
    w.Key("3IP", rng.Between(0, 2));
  }
  w.Key("Pos", rng.Between(1, 9));
  for (const char* key : {"PO", "A", "Err"}) w.Key(key, rng.Between(0, 30));
}

}  // namespace

std::string PersonName(Rng& rng) { return std::string(Pick(rng, kFirst)) + " " + Pick(rng, kLast); }
std::string TeamName(Rng& rng) { return std::string(Pick(rng, kPlaces)) + " " + Pick(rng, kAnimals); }
std::string PlaceName(Rng& rng) { return std::string(Pick(rng, kPlaces)) + " Park"; }

bool WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

std::string MakeQkt(size_t bytes, const std::string& noteDir, uint64_t seed) {
  Rng rng(seed);
  std::string seasons;
  seasons.reserve(bytes + (1 << 20));
  Writer w(seasons);
  int y = 0;
  while (seasons.size() < bytes) {
    const std::string season = "Y" + std::to_string(++y);
    w.Section(season);
    w.Key("Name", 1990 + y);
    w.Key("Last", kLeagues);
    for (int l = 1; l <= kLeagues; ++l) {
      const std::string league = season + "L" + std::to_string(l);
      w.Section(league);
      w.Key("Name", std::string(Pick(rng, kPlaces)) + " League");
      w.Key("Inn", 7);
      w.Key("Note", "LN" + std::to_string(l));
      w.Key("Last", kTeams);
      for (int t = 1; t <= kTeams; ++t) {
        const std::string team = league + "T" + std::to_string(t);
        w.Section(team);
        w.Key("Name", TeamName(rng));
        w.Key("No", t);
        w.Key("Won", rng.Between(0, 20));
        w.Key("Lost", rng.Between(0, 20));
        w.Key("Tied", rng.Between(0, 3));
        if (t == 1) w.Key("Note", "TN1");
        w.Key("Last", kPlayers);
        for (int p = 1; p <= kPlayers; ++p) Player(w, rng, team + "P" + std::to_string(p), p);
      }
      // A double round robin, one game a day from April on.
      w.Section(league + "S");
      w.Key("Last", kTeams * (kTeams - 1));
      int g = 0;
      for (int home = 1; home <= kTeams; ++home) {
        for (int away = 1; away <= kTeams; ++away) {
          if (home == away) continue;
          w.Section(league + "G" + std::to_string(++g));
          w.Key("D", std::to_string((1990 + y) * 10000 + 400 + (g / 28) * 100 + g % 28 + 1));
          w.Key("T", rng.Between(0, 1) ? "1830" : "1000");
          w.Key("F", "F" + std::to_string(rng.Between(1, kFields)));
          w.Key("H", league + "T" + std::to_string(home));
          w.Key("A", league + "T" + std::to_string(away));
          w.Key("U1", "U" + std::to_string(rng.Between(1, kUmpires)));
          w.Key("U2", "U" + std::to_string(rng.Between(1, kUmpires)));
          w.Key("HTS", rng.Between(0, 12));
          w.Key("ATS", rng.Between(0, 12));
        }
      }
    }
  }
  std::string out = "; generated for the benchmarks\r\n";
  Writer head(out);
  head.Section("Init");
  head.Key("Last", y);
  // The fields and umpires of the whole file.
  auto named = [&](const char* list, const char* letter, int count, std::string (*name)(Rng&)) {
    head.Section(list);
    head.Key("Last", count);
    for (int i = 1; i <= count; ++i) {
      head.Section(letter + std::to_string(i));
      head.Key("Name", name(rng));
      head.Key("No", i);
    }
  };
  named("Fields", "F", kFields, PlaceName);
  named("Umpires", "U", kUmpires, PersonName);
  out += seasons;

  if (!noteDir.empty()) {
    for (int l = 1; l <= kLeagues; ++l)
      WriteBytes(noteDir + "/LN" + std::to_string(l) + ".QKN", "League notes\r\nSecond line\r\n");
    WriteBytes(noteDir + "/TN1.QKN", "First team's note\r\n");
  }
  return out;
}

namespace {

// Names in several spellings: some all lower case, some with the code
// page's accented letters, so that sorting by name meets case and accents.
constexpr std::array kOddFirst = {"\xC9mile", "\xE9lodie", "J\xFCrgen", "\xD8ystein",
                                  "zoe",      "ANN",       "b\xE9la"};
constexpr std::array kOddTeam = {"\xC9toiles", "united", "\xE9lan", "Z\xFCrich", "ALL STARS", "\xD8sters"};

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string OddPerson(Rng& rng, int i) {
  if (i % 11 == 0) return std::string(Pick(rng, kOddFirst)) + " " + Pick(rng, kLast);
  if (i % 7 == 0) return Lower(PersonName(rng));
  return PersonName(rng);
}

std::string OddTeam(Rng& rng, int i) {
  if (i % 11 == 0) return std::string(Pick(rng, kOddTeam)) + " " + Pick(rng, kAnimals);
  if (i % 7 == 0) return Lower(TeamName(rng));
  return TeamName(rng);
}

// A count as stored: empty for 0; now and then a text that is no number.
std::string Count(Rng& rng, int lo, int hi, int i) {
  if (i % 173 == 0) return "x" + std::to_string(rng.Between(0, 9));
  const int n = rng.Between(lo, hi);
  return n == 0 ? std::string() : std::to_string(n);
}

// Appends the fields, each followed by "|", and the line end.
void AddLine(std::string& out, std::initializer_list<std::string> fields) {
  for (const std::string& field : fields) {
    out += field;
    out += '|';
  }
  out += "\r\n";
}

// yyyymmdd of the day `days` after 1 April 2001.
std::string DateAfter(int days) {
  static constexpr std::array<int, 12> kMonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int y = 2001, m = 4, d = 1 + days;
  for (;;) {
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    const int length = kMonthDays[static_cast<size_t>(m - 1)] + (m == 2 && leap ? 1 : 0);
    if (d <= length) break;
    d -= length;
    if (++m > 12) {
      m = 1;
      ++y;
    }
  }
  return std::to_string(y * 10000 + m * 100 + d);
}

std::string Named(const char* header, int count, Rng& rng, std::string (*name)(Rng&, int), bool letterNo) {
  std::string out;
  AddLine(out, {header});
  for (int i = 1; i <= count; ++i) {
    const std::string no = letterNo && i % 3 == 0 ? "U" + std::to_string(i) : std::to_string(i);
    AddLine(out, {i % 97 == 0 ? "X" : "", no, name(rng, i)});
  }
  return out;
}

std::string FieldName(Rng& rng, int i) { return i % 5 == 0 ? Lower(PlaceName(rng)) : PlaceName(rng); }

std::string TimesFile(const LeagueSize& size) {
  std::vector<std::string> times;
  const int fields = std::max(1, std::min(size.fields, 10));
  for (int day = 0; static_cast<int>(times.size()) < size.times; ++day)
    for (const char* time : {"1000", "1830"})
      for (int f = 1; f <= fields; ++f) times.push_back(DateAfter(day) + time + std::to_string(f));
  times.resize(static_cast<size_t>(size.times));
  // Digits only: the byte order is the list's order.
  std::sort(times.begin(), times.end());
  std::string out;
  for (const std::string& line : times) out += line + "\r\n";
  return out;
}

}  // namespace

std::string TeamsFile(const LeagueSize& size, uint64_t seed) {
  Rng rng(seed * 31 + 1);
  std::string out;
  AddLine(out, {"T"});
  for (int i = 1; i <= size.teams; ++i) {
    // Numbers are mostly plain; some carry a letter in either case, and
    // some repeat, so the sort keys tie.
    std::string no = std::to_string(i);
    if (i % 13 == 0) no = std::to_string(i / 13) + (i % 2 ? "a" : "A");
    if (i % 29 == 0) no = std::to_string(i - 1);
    AddLine(out, {i % 97 == 0 ? "X" : "", no, OddTeam(rng, i), Count(rng, 0, 60, i), Count(rng, 0, 60, i + 1),
                  Count(rng, 0, 4, 1), i == 1 ? "1" : ""});
  }
  return out;
}

std::string PlayersFile(const LeagueSize& size, uint64_t seed) {
  Rng rng(seed * 31 + 2);
  static constexpr std::array kPositions = {"P", "C", "1B", "2B", "3B", "SS", "lf", "CF", "RF", "dh"};
  std::string out;
  AddLine(out, {"P"});
  for (int i = 1; i <= size.players; ++i) {
    std::string line = i % 97 == 0 ? "X|" : "|";
    line += (i % 17 == 0 ? std::string() : std::to_string(rng.Between(0, 99))) + "|";
    line += OddPerson(rng, i) + "|";
    const bool pitcher = i % 5 == 0;
    for (int k = 0; k < 45; ++k) {
      std::string figure;
      if (k == 18)
        figure = std::to_string(rng.Between(1, 9));  // BO
      else if (k == 36)
        figure = Pick(rng, kPositions);  // Pos
      else if (k == 21)
        figure = pitcher ? Count(rng, 0, 2, 1) : std::string();  // 3IP
      else if (k >= 19 && k <= 35 && !pitcher)
        figure = std::string();  // pitching
      else if (k == 2)
        figure = Count(rng, 20, 600, i);  // PA
      else if (k == 22 || k == 23)
        figure = Count(rng, 0, 2500, i);  // ST, BT
      else
        figure = Count(rng, 0, k < 3 ? 160 : 40, i + k);
      line += figure + "|";
    }
    out += line + "\r\n";
  }
  return out;
}

std::string GamesFile(const LeagueSize& size, uint64_t seed) {
  Rng rng(seed * 31 + 3);
  static constexpr std::array kTimes = {"0900", "1030", "1300", "1530", "1800", "1930"};
  const int perDay = std::max(1, 2 * size.fields);
  const auto any = [&rng](int count) {
    return count > 0 ? std::to_string(rng.Between(1, count)) : std::string();
  };
  std::string out;
  AddLine(out, {"G"});
  for (int i = 1; i <= size.games; ++i) {
    std::string date = DateAfter(i / perDay);
    if (i % 503 == 0) date = i % 2 ? std::string() : date.substr(0, 4) + "0231";
    std::string time = Pick(rng, kTimes);
    if (i % 709 == 0) time = i % 2 ? std::string() : "2500";
    std::string field = i % 301 == 0 ? std::string() : any(size.fields);
    const std::string home = any(size.teams);
    std::string away = any(size.teams);
    if (away == home && size.teams > 1) away = home == "1" ? "2" : "1";
    std::string u1 = i % 37 == 0 ? std::string() : any(size.umpires);
    std::string u2 = i % 2 ? any(size.umpires) : std::string();
    std::string u3 = i % 9 == 0 ? any(size.umpires) : std::string();
    std::string u4 = i % 45 == 0 ? any(size.umpires) : std::string();
    const bool played = i < size.games * 3 / 4;
    AddLine(out, {i % 97 == 0 ? "X" : "", date, time, field, home, away, u1, u2, u3, u4,
                  played ? std::to_string(rng.Between(0, 15)) : std::string(),
                  played ? std::to_string(rng.Between(0, 15)) : std::string()});
  }
  return out;
}

LeagueSize ScheduleLeague(int games, int tab) {
  LeagueSize size;
  size.games = games;
  size.teams = 40;
  size.fields = 30;
  size.umpires = 60;
  size.tab = tab;
  size.allScheduleColumns = true;
  return size;
}

const std::string& ScheduleLeagueDir(int games) {
  static std::map<int, std::string> dirs;
  std::string& dir = dirs[games];
  if (dir.empty()) {
    dir = NewBenchDir();
    WriteLeague(dir, ScheduleLeague(games));
  }
  return dir;
}

bool WriteLeague(const std::string& dir, const LeagueSize& size, uint64_t seed) {
  Rng rng(seed * 31 + 4);
  const std::string root = dir + "/";
  bool ok =
      WriteBytes(root + "Baseball.Years", "Y|" + std::to_string(size.tab) + "||1||||\r\n|2024|Season|1|\r\n");
  const std::string items = size.allScheduleColumns ? std::string(20, '*') : std::string();
  ok = WriteBytes(root + "Y1.Leagues", "L|\r\n|1|Bench League|1|1||||||||||" + items + "|\r\n") && ok;
  ok = WriteBytes(root + "Y1L1.Teams", TeamsFile(size, seed)) && ok;
  ok = WriteBytes(root + "Y1L1.Fields", Named("F", size.fields, rng, FieldName, false)) && ok;
  ok = WriteBytes(root + "Y1L1.Umpires", Named("U", size.umpires, rng, OddPerson, true)) && ok;
  if (size.games > 0) ok = WriteBytes(root + "Y1L1.Games", GamesFile(size, seed)) && ok;
  if (size.players > 0) ok = WriteBytes(root + "Y1L1T1.Players", PlayersFile(size, seed)) && ok;
  if (size.times > 0) ok = WriteBytes(root + "Y1L1.Times", TimesFile(size)) && ok;
  return ok;
}

std::string NewBenchDir() {
  static std::vector<std::string> made;
  static const bool cleanup = [] {
    std::atexit([] {
      for (const std::string& dir : made) std::filesystem::remove_all(dir);
    });
    return true;
  }();
  (void)cleanup;
  const char* root = std::getenv("SCV_BENCH_DIR");
  std::string pattern = std::string(root && *root ? root : "/tmp") + "/scv-bench-XXXXXX";
  if (!mkdtemp(pattern.data())) return std::string();
  made.push_back(pattern);
  return pattern;
}

}  // namespace scv::bench
