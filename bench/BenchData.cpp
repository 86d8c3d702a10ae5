#include "BenchData.h"

#include <array>
#include <fstream>

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

}  // namespace scv::bench
