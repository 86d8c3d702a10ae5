#include "import/QktImport.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <unordered_map>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include "import/IniFile.h"
#include "notes/NoteFile.h"
#include "store/DataStore.h"
#include "store/Messages.h"
#include "store/Text.h"
#include "tables/Tables.h"

namespace scv {

const char kQktWrongExtension[] = "The File Extension Must be .QKT";
const char kQktTooManyRecords[] = "The QKT file holds more records than a list can keep";

namespace {

// The most records a list can address (an index has at most 5 digits).
constexpr int64_t kMaxCount = 99999;

const char kImportedYearName[] = "Imported from QKT file";

// The player figures that have a key in the QKT file; "AB" is read apart.
struct FigureKey {
  const char* key;
  int figure;
};
constexpr FigureKey kFigureKeys[] = {
    {"G", Fig::G},       {"1B", Fig::Single}, {"2B", Fig::Double}, {"3B", Fig::Triple}, {"HR", Fig::HR},
    {"SO", Fig::SO},     {"BB", Fig::BB},     {"HP", Fig::HP},     {"SBnt", Fig::SBnt}, {"SFly", Fig::SFly},
    {"R", Fig::RS},      {"RBI", Fig::RBI},   {"SB", Fig::SB},     {"CS", Fig::CS},     {"BO", Fig::BO},
    {"GP", Fig::GP},     {"IP", Fig::IP},     {"3IP", Fig::IP3},   {"HA", Fig::HA},     {"WA", Fig::WA},
    {"HB", Fig::BH},     {"BSO", Fig::BSO},   {"RA", Fig::RA},     {"ER", Fig::ER},     {"Won", Fig::Won},
    {"Lost", Fig::Lost}, {"Sv", Fig::Sv},     {"Pos", Fig::Pos},   {"PO", Fig::PO},     {"A", Fig::A},
    {"Err", Fig::Err},
};

std::string DropFirst(std::string_view text) { return std::string(text.empty() ? text : text.substr(1)); }

// The values of a fixed set of keys (at most 64), read in one pass over a
// section's keys rather than one search each: the sections of players and
// games are read whole. The first key of a name counts, as Value reads it.
template <size_t N>
class KeySet {
 public:
  using Values = std::array<std::string_view, N>;
  explicit KeySet(const std::array<const char*, N>& names) : names_(names) {
    static_assert(N <= 64, "one bit a key");
    slots_.fill(-1);
    for (size_t i = 0; i < N; ++i) {
      tags_[i] = IniFile::Tag(names_[i]);
      size_t h = tags_[i] & (kSlots - 1);
      while (slots_[h] >= 0) h = (h + 1) & (kSlots - 1);
      slots_[h] = static_cast<int8_t>(i);
    }
  }
  Values Read(const IniFile& ini, int section) const {
    Values values{};
    uint64_t seen = 0;
    ini.ForEachKey(section, [&](uint32_t tag, std::string_view key, std::string_view value) {
      for (size_t h = tag & (kSlots - 1); slots_[h] >= 0; h = (h + 1) & (kSlots - 1)) {
        const auto i = static_cast<size_t>(slots_[h]);
        if (tags_[i] != tag || !IniFile::SameName(key, names_[i])) continue;
        if (!(seen & (uint64_t{1} << i))) values[i] = value;
        seen |= uint64_t{1} << i;
        return;
      }
    });
    return values;
  }

 private:
  static constexpr size_t kSlots = 128;
  std::array<const char*, N> names_;
  std::array<uint32_t, N> tags_{};
  std::array<int8_t, kSlots> slots_{};
};

// A player's section: its name, number, at bats, note and figures. (The
// sets are made on first use: the reader's hash needs its own tables.)
enum PlayerKey : size_t { PlayerName, PlayerNo, PlayerAtBats, PlayerNote, PlayerFigures };
using PlayerKeySet = KeySet<PlayerFigures + std::size(kFigureKeys)>;
const PlayerKeySet& PlayerKeys() {
  static const PlayerKeySet keys([] {
    std::array<const char*, PlayerFigures + std::size(kFigureKeys)> names{"Name", "No", "AB", "Note"};
    for (size_t i = 0; i < std::size(kFigureKeys); ++i) names[PlayerFigures + i] = kFigureKeys[i].key;
    return names;
  }());
  return keys;
}

// A game's section.
enum GameKey : size_t {
  GameDate,
  GameTime,
  GameField,
  GameHome,
  GameAway,
  GameU1,
  GameHTS = GameU1 + 4,
  GameATS,
  GameNote
};
using GameKeySet = KeySet<GameNote + 1>;
const GameKeySet& GameKeys() {
  static const GameKeySet keys({"D", "T", "F", "H", "A", "U1", "U2", "U3", "U4", "HTS", "ATS", "Note"});
  return keys;
}

// The numbered sections of the file by their parents, so that seasons,
// leagues, teams, players and games are visited where the file has them,
// not at every number up to a count, and are found without building their
// names. A number is recorded only as the import spells it (decimal without
// leading zeros), since only that spelling would be looked up.
struct Child {
  int number;   // at least 1
  int section;  // in the IniFile
  bool operator<(const Child& other) const { return number < other.number; }
};
using Children = std::vector<Child>;

class SectionIndex {
 public:
  explicit SectionIndex(const IniFile& ini) {
    const std::vector<std::string_view>& names = ini.SectionNames();
    for (size_t i = 0; i < names.size(); ++i) {
      char letters[5] = {};
      int n[4] = {};
      int parts = 0;
      if (!SplitName(names[i], letters, n, parts)) continue;
      const std::string_view kind(letters, static_cast<size_t>(parts));
      const int section = static_cast<int>(i);
      if (kind == "Y")
        seasons_.push_back({n[0], section});
      else if (kind == "YL")
        leagues_[Key(n[0])].push_back({n[1], section});
      else if (kind == "YLT")
        teams_[Key(n[0], n[1])].push_back({n[2], section});
      else if (kind == "YLTP")
        players_[Key(n[0], n[1], n[2])].push_back({n[3], section});
      else if (kind == "YLG")
        games_[Key(n[0], n[1])].push_back({n[2], section});
    }
    std::sort(seasons_.begin(), seasons_.end());
    for (auto* map : {&leagues_, &teams_, &players_, &games_})
      for (auto& entry : *map) std::sort(entry.second.begin(), entry.second.end());
  }

  // In ascending order of their numbers.
  const Children& Seasons() const { return seasons_; }
  const Children& Leagues(int y) const { return Of(leagues_, Key(y)); }
  const Children& Teams(int y, int l) const { return Of(teams_, Key(y, l)); }
  const Children& Players(int y, int l, int t) const { return Of(players_, Key(y, l, t)); }
  const Children& Games(int y, int l) const { return Of(games_, Key(y, l)); }

 private:
  using Map = std::unordered_map<uint64_t, Children>;
  Children seasons_;
  Map leagues_, teams_, players_, games_;

  static uint64_t Key(int a, int b = 0, int c = 0) {
    return static_cast<uint64_t>(a) | static_cast<uint64_t>(b) << 17 | static_cast<uint64_t>(c) << 34;
  }
  static const Children& Of(const Map& map, uint64_t key) {
    static const Children kNone;
    auto it = map.find(key);
    return it == map.end() ? kNone : it->second;
  }
  // "Y2L10" gives the letters "YL" and the numbers 2, 10.
  static bool SplitName(std::string_view name, char* letters, int* numbers, int& parts) {
    size_t i = 0;
    while (i < name.size()) {
      if (parts == 4) return false;
      char c = name[i++];
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      if (c < 'A' || c > 'Z') return false;
      const size_t start = i;
      int value = 0;
      while (i < name.size() && name[i] >= '0' && name[i] <= '9' && i - start < 5)
        value = value * 10 + (name[i++] - '0');
      if (i == start || name[start] == '0' || (i < name.size() && name[i] >= '0' && name[i] <= '9'))
        return false;
      letters[parts] = c;
      numbers[parts++] = value;
    }
    return parts > 0;
  }
};

std::string Number(int n) { return std::to_string(n); }
std::string LeagueName(int y, int l) { return "Y" + Number(y) + "L" + Number(l); }

class QktImporter {
 public:
  QktImporter(DataStore& store, const IniFile& ini, Messages& messages, Progress& progress,
              const QString& folder)
      : store_(store), ini_(ini), messages_(messages), progress_(progress), index_(ini), folder_(folder) {}

  // Whether every count the import would use fits a list, and the years
  // list can take the seasons; reports the refusal otherwise.
  bool CountsFit();
  ImportResult Run();

 private:
  struct Named {
    NamedRecord record;
    std::string note;
  };

  DataStore& store_;
  const IniFile& ini_;
  Messages& messages_;
  Progress& progress_;
  SectionIndex index_;
  QString folder_;  // ends with "/"
  bool folderListed_ = false;
  QHash<QString, QString> folderNames_;  // upper-cased name -> name

  std::vector<Named> ReadNamed(const char* countSection, const char* letter) const;
  bool ImportLeague(int y, const Child& league);
  bool ImportTeam(int section, const Children& players);
  using PlayerValues = PlayerKeySet::Values;
  using GameValues = GameKeySet::Values;
  void ImportPlayer(const PlayerValues& values);
  void ImportGame(const std::string& league, const GameValues& values);
  bool ImportNamed(const std::vector<Named>& records, List& list, void (DataStore::*add)(),
                   NamedRecord& buffer, char kind);
  // The added record is there (the list grew); else the import stops.
  bool Added(const List& list, size_t before);
  // Copies the note the value names as the added record's note. False when
  // it could not be written: the import stops there, as for a list (one
  // error rather than one for every note after it on a full disk).
  bool ImportNote(std::string_view value, char kind, const List& list);
  QString NotePath(const std::string& value);
};

bool QktImporter::CountsFit() {
  bool fit = true;
  auto check = [&fit](int64_t count) {
    if (count > kMaxCount) fit = false;
    return count;
  };
  const int64_t seasons = check(ini_.Count("Init", "Last"));
  check(ini_.Count("Fields", "Last"));
  check(ini_.Count("Umpires", "Last"));
  int64_t added = 0;
  for (const Child& season : index_.Seasons()) {
    if (season.number > seasons) break;
    if (ini_.Value(season.section, "Name").empty()) continue;
    ++added;
    const int64_t leagues = check(ini_.Count(season.section, "Last"));
    for (const Child& league : index_.Leagues(season.number)) {
      if (league.number > leagues) break;
      if (ini_.Value(league.section, "Name").empty()) continue;
      check(ini_.Count(LeagueName(season.number, league.number) + "S", "Last"));
      const int64_t teams = check(ini_.Count(league.section, "Last"));
      for (const Child& team : index_.Teams(season.number, league.number)) {
        if (team.number > teams) break;
        check(ini_.Count(team.section, "Last"));
      }
    }
  }
  if (static_cast<int64_t>(store_.Years.size()) - 1 + added > kMaxCount) fit = false;
  if (!fit) messages_.Error(QString::fromLatin1(kQktTooManyRecords));
  return fit;
}

std::vector<QktImporter::Named> QktImporter::ReadNamed(const char* countSection, const char* letter) const {
  std::vector<Named> records;
  const int64_t count = ini_.Count(countSection, "Last");
  for (int i = 1; i <= count; ++i) {
    const int section = ini_.Section(letter + Number(i));
    Named named;
    named.record.Name = ini_.Text(section, "Name", Width::Name);
    named.record.No = ini_.Text(section, "No", Width::No);
    named.note = ini_.Text(section, "Note", 8);
    records.push_back(std::move(named));
  }
  return records;
}

ImportResult QktImporter::Run() {
  const std::vector<Named> fields = ReadNamed("Fields", "F");
  const std::vector<Named> umpires = ReadNamed("Umpires", "U");
  const int64_t seasons = ini_.Count("Init", "Last");
  for (const Child& season : index_.Seasons()) {
    if (season.number > seasons) break;
    progress_.Step();
    YearRecord& year = store_.CurrentYear;
    year.No = ini_.Text(season.section, "Name", Width::No);
    if (year.No.empty()) continue;
    year.Name = kImportedYearName;
    year.CurLeague.clear();
    const size_t before = store_.Years.size();
    store_.AddYear();
    if (!Added(store_.Years, before) || !store_.LoadLeagues()) return ImportResult::Stopped;

    const int64_t leagues = ini_.Count(season.section, "Last");
    for (const Child& league : index_.Leagues(season.number)) {
      if (league.number > leagues) break;
      progress_.Step();
      store_.CurrentLeague.Name = ini_.Text(league.section, "Name", Width::Name);
      if (store_.CurrentLeague.Name.empty()) continue;
      if (!ImportLeague(season.number, league) || !store_.LoadFields() ||
          !ImportNamed(fields, store_.Fields, &DataStore::AddField, store_.CurrentField, 'F') ||
          !store_.LoadUmpires() ||
          !ImportNamed(umpires, store_.Umpires, &DataStore::AddUmpire, store_.CurrentUmpire, 'U'))
        return ImportResult::Stopped;
    }
  }
  return ImportResult::Imported;
}

// Adds the league (its name already in the buffer), its teams with their
// players, and its games.
bool QktImporter::ImportLeague(int y, const Child& l) {
  const std::string s = LeagueName(y, l.number);
  LeagueRecord& league = store_.CurrentLeague;
  // The other fields keep what reading the new league list left in the
  // buffer: the display defaults.
  league.Innings = ini_.Text(l.section, "Inn", 4);
  league.CurTeam.clear();
  league.CurGame.clear();
  const size_t before = store_.Leagues.size();
  store_.AddLeague();
  if (!Added(store_.Leagues, before) || !ImportNote(ini_.Value(l.section, "Note"), 'L', store_.Leagues))
    return false;

  if (!store_.LoadTeams()) return false;
  // Every number up to the count gets a team; those the file lacks are
  // placeholders.
  const int64_t teams = ini_.Count(l.section, "Last");
  const Children& present = index_.Teams(y, l.number);
  auto next = present.begin();
  for (int t = 1; t <= teams; ++t) {
    progress_.Step();
    while (next != present.end() && next->number < t) ++next;
    const int section = next != present.end() && next->number == t ? next->section : -1;
    if (!ImportTeam(section, index_.Players(y, l.number, t))) return false;
  }

  if (!store_.LoadGames()) return false;
  const int64_t games = ini_.Count(s + "S", "Last");
  for (const Child& g : index_.Games(y, l.number)) {
    if (g.number > games) break;
    progress_.Step();
    const auto values = GameKeys().Read(ini_, g.section);
    if (values[GameDate].empty()) continue;
    const size_t size = store_.Games.size();
    ImportGame(s, values);
    if (!Added(store_.Games, size) || !ImportNote(values[GameNote], 'G', store_.Games)) return false;
  }
  return true;
}

bool QktImporter::ImportTeam(int section, const Children& players) {
  TeamRecord& team = store_.CurrentTeam;
  team.Name = ini_.Text(section, "Name", Width::Name);
  team.No = ini_.Text(section, "No", Width::No);
  team.Won = ini_.Text(section, "Won", Width::Figure);
  team.Lost = ini_.Text(section, "Lost", Width::Figure);
  team.Tied = ini_.Text(section, "Tied", Width::Figure);
  team.CurPlayer.clear();
  const size_t before = store_.Teams.size();
  store_.AddTeam();
  if (!Added(store_.Teams, before)) return false;
  if (team.Name.empty()) {
    // A placeholder keeps the numbers of the teams after it.
    team.Mark = "+";
    store_.WriteTeam();
  }
  if (!ImportNote(ini_.Value(section, "Note"), 'T', store_.Teams) || !store_.LoadPlayers()) return false;
  const int64_t count = ini_.Count(section, "Last");
  for (const Child& p : players) {
    if (p.number > count) break;
    progress_.Step();
    const auto values = PlayerKeys().Read(ini_, p.section);
    if (values[PlayerName].empty()) continue;
    const size_t size = store_.Players.size();
    ImportPlayer(values);
    if (!Added(store_.Players, size) || !ImportNote(values[PlayerNote], 'P', store_.Players)) return false;
  }
  return true;
}

void QktImporter::ImportPlayer(const PlayerValues& values) {
  PlayerRecord& player = store_.CurrentPlayer;
  player.Name = values[PlayerName].substr(0, Width::Name);
  player.No = values[PlayerNo].substr(0, Width::No);
  for (std::string& figure : player.Figures) figure.clear();
  for (size_t i = 0; i < std::size(kFigureKeys); ++i)
    player.Figures[static_cast<size_t>(kFigureKeys[i].figure)] =
        values[PlayerFigures + i].substr(0, Width::Figure);
  // Plate appearances: at bats plus the walks, hit-by-pitches and sacrifices
  // just stored. A count can be far larger than any figure; held in range so
  // the sum cannot overflow (the stored text is cut to 4 characters anyway).
  const int64_t atBats =
      std::clamp<int64_t>(IniFile::ParseCount(values[PlayerAtBats]), -1000000000000, 1000000000000);
  int64_t pa = atBats;
  for (int f : {Fig::BB, Fig::HP, Fig::SBnt, Fig::SFly})
    pa += ParseFigure(player.Figures[static_cast<size_t>(f)]);
  player.Figures[Fig::PA] = FigureTextOrBlank(pa);
  store_.AddPlayer();
}

void QktImporter::ImportGame(const std::string& league, const GameValues& values) {
  GameRecord& game = store_.CurrentGame;
  game.Date = values[GameDate].substr(0, 8);
  game.Time = values[GameTime].substr(0, 4);
  game.Field = DropFirst(values[GameField].substr(0, Width::Index));
  // Teams are named by their section, such as Y1L1T5: the number follows the
  // league's section name and the letter T. The whole value is read, so that
  // a long name (Y10L10T12) still gives its own team.
  for (auto [key, target] : {std::pair{GameHome, &game.Home}, std::pair{GameAway, &game.Away}}) {
    const std::string_view value = values[key];
    const size_t at = league.size() + 1;
    *target = value.size() > at ? std::string(value.substr(at, Width::Index)) : std::string();
  }
  for (int u = 1; u <= 4; ++u)
    game.Umpire(u) = DropFirst(values[GameU1 + static_cast<size_t>(u) - 1].substr(0, Width::Index));
  game.HTS = values[GameHTS].substr(0, Width::Figure);
  game.ATS = values[GameATS].substr(0, Width::Figure);
  store_.AddGame();
}

bool QktImporter::ImportNamed(const std::vector<Named>& records, List& list, void (DataStore::*add)(),
                              NamedRecord& buffer, char kind) {
  for (const Named& named : records) {
    progress_.Step();
    buffer = named.record;
    const size_t before = list.size();
    (store_.*add)();
    if (!Added(list, before)) return false;
    if (buffer.Name.empty()) {
      buffer.Mark = "+";
      list.back() = Compose(buffer);
    }
    if (!ImportNote(named.note, kind, list)) return false;
  }
  return true;
}

bool QktImporter::Added(const List& list, size_t before) {
  if (list.size() > before) return true;
  messages_.Error(QString::fromLatin1(kQktTooManyRecords));
  return false;
}

// A note value names a file beside the QKT file; one that could reach
// elsewhere ("/", "\", ":" or "..") is passed over like a missing file.
bool QktImporter::ImportNote(std::string_view value, char kind, const List& list) {
  const std::string name(value.substr(0, 8));
  if (name.empty() || name.find_first_of(std::string_view("/\\:\0", 4)) != std::string::npos ||
      name.find("..") != std::string::npos)
    return true;
  const QString source = NotePath(name);
  if (source.isEmpty()) return true;
  List lines;
  QString error;
  switch (ReadListFile(source, lines, error)) {
    case ReadResult::Missing:
      return true;
    case ReadResult::Failed:
      // The import's own data is all there but this note: it goes on.
      messages_.Error(QStringLiteral("Could not read %1: %2").arg(QDir::toNativeSeparators(source), error));
      return true;
    case ReadResult::Read:
      break;
  }
  std::string key;
  if (!NoteKey(store_, kind, key)) return true;
  const std::string file = NoteFileName(kind, key, FigureText(static_cast<int64_t>(list.size()) - 1));
  if (file.empty() || store_.WriteDataFile(file, lines, error)) return true;
  messages_.Error(
      QStringLiteral("Could not save %1: %2").arg(QDir::toNativeSeparators(store_.FilePath(file)), error));
  return false;
}

// The note file of a value: value + ".QKN" in the QKT file's folder. Files
// made on Windows may differ in case from the value, so the name is also
// looked for without case. Empty when there is none.
QString QktImporter::NotePath(const std::string& value) {
  const QString name = Decode(value) + QStringLiteral(".QKN");
  const QString path = folder_ + name;
  if (QFileInfo(path).isFile()) return path;
  if (!folderListed_) {
    folderListed_ = true;
    for (const QString& file : QDir(folder_).entryList(QDir::Files, QDir::Name)) {
      const QString upper = file.toUpper();
      if (!folderNames_.contains(upper)) folderNames_.insert(upper, file);
    }
  }
  auto it = folderNames_.constFind(name.toUpper());
  return it == folderNames_.constEnd() ? QString() : folder_ + *it;
}

}  // namespace

ImportResult ImportQkt(DataStore& store, const QString& path, Messages& messages, Progress& progress) {
  const QFileInfo info(path);
  if (info.suffix().compare(QLatin1String("QKT"), Qt::CaseInsensitive) != 0) {
    messages.Warning(QString::fromLatin1(kQktWrongExtension));
    return ImportResult::Refused;
  }
  IniFile ini;
  QString error;
  if (!ini.Load(path, error)) {
    messages.Error(QStringLiteral("Could not read %1: %2").arg(QDir::toNativeSeparators(path), error));
    return ImportResult::Refused;
  }
  QString folder = info.absolutePath();
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  QktImporter importer(store, ini, messages, progress, folder);
  if (!importer.CountsFit()) return ImportResult::Refused;

  progress.Start("Reading Data...");
  progress.SetMax(static_cast<int>(std::min<size_t>(ini.Size() / 8, 0x7FFFFFFF)));
  // The lists and notes the import moves past are all new but those of the
  // selection it starts from: written in bulk, synced once at the next save.
  const bool bulk = store.BulkWrites;
  store.BulkWrites = true;
  const ImportResult result = importer.Run();
  store.BulkWrites = bulk;
  progress.Finish();
  return result;
}

ImportPresenter::ImportPresenter(DataStore& store, Tables& tables, OpenFileView& dialog, Messages& messages)
    : store_(store), tables_(tables), dialog_(dialog), messages_(messages) {}

void ImportPresenter::ImportItemClick() {
  QString path;
  if (!dialog_.Execute(path)) return;
  if (ImportQkt(store_, path, messages_, tables_.progress) == ImportResult::Refused) return;
  tables_.BuildHeaders();
}

}  // namespace scv
