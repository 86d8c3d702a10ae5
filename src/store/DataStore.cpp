#include "store/DataStore.h"

#include <algorithm>

#include <QDir>

#include "store/Messages.h"
#include "store/Text.h"

namespace scv {

namespace {

// An index has at most 5 digits.
constexpr size_t kMaxRecords = 99999;

// The file-name part of a stored index. Keys are built from the number, not
// from the stored text, so a damaged index can never name a path outside the
// data directory.
std::string KeyPart(std::string_view indexText) { return FigureText(ParseFigure(indexText)); }

std::string IndexText(size_t index) { return std::to_string(index); }

}  // namespace

DataStore::DataStore(const QString& dataDir, Messages* messages_) : messages(messages_) {
  DataDir = dataDir;
  if (!DataDir.isEmpty() && !DataDir.endsWith('/')) DataDir += '/';
  Years = {"Y|"};
  Leagues = {"L|"};
  Teams = {"T|"};
  Players = {"P|"};
  Games = {"G|"};
  Fields = {"F|"};
  Umpires = {"U|"};
  ReadYearsHeader();
  ReadYear(0);
  ReadLeague(0);
  ReadTeam(0);
  ReadPlayer(0);
  ReadGame(0);
  ReadField(0);
  ReadUmpire(0);
}

QString DataStore::FilePath(const std::string& keyAndSuffix) const {
  return DataDir + QString::fromLatin1(keyAndSuffix.data(), static_cast<qsizetype>(keyAndSuffix.size()));
}

int64_t DataStore::RecordIndex(std::string_view indexText, size_t size) {
  int64_t i = ParseFigure(indexText);
  if (i < 1 || static_cast<uint64_t>(i) >= size) return 0;
  return i;
}

namespace {

const std::string& LineAt(const List& list, int64_t index) {
  static const std::string kNone = "?|";
  if (index >= 1 && static_cast<uint64_t>(index) < list.size()) return list[static_cast<size_t>(index)];
  return list.empty() ? kNone : list.front();
}

}  // namespace

void DataStore::ReadYearsHeader() { YearsHeader = ParseYearsHeader(Years.empty() ? "Y|" : Years.front()); }

void DataStore::WriteYearsHeader() {
  if (Years.empty()) Years.push_back(std::string());
  Years.front() = Compose(YearsHeader);
}

void DataStore::ReadYear(int64_t i) { CurrentYear = ParseYear(LineAt(Years, i)); }
void DataStore::ReadLeague(int64_t i) {
  CurrentLeague = ParseLeague(LineAt(Leagues, i));
  ApplyLeagueFont();
}
void DataStore::ReadTeam(int64_t i) { CurrentTeam = ParseTeam(LineAt(Teams, i)); }
void DataStore::ReadPlayer(int64_t i) { CurrentPlayer = ParsePlayer(LineAt(Players, i)); }
void DataStore::ReadGame(int64_t i) { CurrentGame = ParseGame(LineAt(Games, i)); }
void DataStore::ReadField(int64_t i) { CurrentField = ParseNamed(LineAt(Fields, i)); }
void DataStore::ReadUmpire(int64_t i) { CurrentUmpire = ParseNamed(LineAt(Umpires, i)); }

void DataStore::ReadYear(std::string_view i) { ReadYear(RecordIndex(i, Years.size())); }
void DataStore::ReadLeague(std::string_view i) { ReadLeague(RecordIndex(i, Leagues.size())); }
void DataStore::ReadTeam(std::string_view i) { ReadTeam(RecordIndex(i, Teams.size())); }
void DataStore::ReadPlayer(std::string_view i) { ReadPlayer(RecordIndex(i, Players.size())); }
void DataStore::ReadGame(std::string_view i) { ReadGame(RecordIndex(i, Games.size())); }
void DataStore::ReadField(std::string_view i) { ReadField(RecordIndex(i, Fields.size())); }
void DataStore::ReadUmpire(std::string_view i) { ReadUmpire(RecordIndex(i, Umpires.size())); }

void DataStore::ApplyLeagueFont() {
  const LeagueRecord& l = CurrentLeague;
  TableFont font = tableFont;
  if (!l.FontColor.empty()) font.Color = ParseFigure(l.FontColor);
  if (!l.FontName.empty()) font.Name = l.FontName;
  if (!l.FontSize.empty()) font.PointSize = ParseFigure(l.FontSize);
  if (l.FontBold == "1") {
    font.Bold = true;
    font.Italic = false;
  }
  if (l.FontItalic == "1") font.Italic = true;
  // A league that names its font had it chosen in the font dialog, which
  // stores regular and upright as empty fields: its style is all there.
  if (!l.FontName.empty()) {
    font.Bold = l.FontBold == "1";
    font.Italic = l.FontItalic == "1";
  }
  tableFont = font;
  if (fontView) fontView->ApplyTableFont(tableFont);
}

bool DataStore::WriteLine(List& list, std::string_view index, std::string line) {
  int64_t i = RecordIndex(index, list.size());
  if (i == 0) return false;  // the header is never overwritten by a record
  list[static_cast<size_t>(i)] = std::move(line);
  return true;
}

bool DataStore::WriteYear() { return WriteLine(Years, YearsHeader.CurYear, Compose(CurrentYear)); }

bool DataStore::WriteLeague() {
  if (!WriteLine(Leagues, CurrentYear.CurLeague, Compose(CurrentLeague))) return false;
  LeaguesChanged = true;
  return true;
}

bool DataStore::WriteTeam() {
  if (!WriteLine(Teams, CurrentLeague.CurTeam, Compose(CurrentTeam))) return false;
  TeamsChanged = true;
  return true;
}

bool DataStore::WritePlayer() {
  if (!WriteLine(Players, CurrentTeam.CurPlayer, Compose(CurrentPlayer))) return false;
  PlayersChanged = true;
  return true;
}

bool DataStore::WriteGame() {
  if (!WriteLine(Games, CurrentLeague.CurGame, Compose(CurrentGame))) return false;
  GamesChanged = true;
  return true;
}

void DataStore::AddYear() {
  if (Years.size() > kMaxRecords) return;
  CurrentYear.Mark.clear();
  Years.push_back(Compose(CurrentYear));
  YearsHeader.CurYear = IndexText(Years.size() - 1);
}

void DataStore::AddLeague() {
  if (Leagues.size() > kMaxRecords) return;
  CurrentLeague.Mark.clear();
  Leagues.push_back(Compose(CurrentLeague));
  LeaguesChanged = true;
  CurrentYear.CurLeague = IndexText(Leagues.size() - 1);
  WriteYear();
}

void DataStore::AddTeam() {
  if (Teams.size() > kMaxRecords) return;
  CurrentTeam.Mark.clear();
  Teams.push_back(Compose(CurrentTeam));
  TeamsChanged = true;
  CurrentLeague.CurTeam = IndexText(Teams.size() - 1);
  WriteLeague();
}

void DataStore::AddPlayer() {
  if (Players.size() > kMaxRecords) return;
  CurrentPlayer.Mark.clear();
  Players.push_back(Compose(CurrentPlayer));
  PlayersChanged = true;
  CurrentTeam.CurPlayer = IndexText(Players.size() - 1);
  WriteTeam();
}

void DataStore::AddGame() {
  if (Games.size() > kMaxRecords) return;
  CurrentGame.Mark.clear();
  Games.push_back(Compose(CurrentGame));
  GamesChanged = true;
  CurrentLeague.CurGame = IndexText(Games.size() - 1);
  WriteLeague();
}

void DataStore::AddField() {
  if (Fields.size() > kMaxRecords) return;
  CurrentField.Mark.clear();
  Fields.push_back(Compose(CurrentField));
  FieldsChanged = true;
}

void DataStore::AddUmpire() {
  if (Umpires.size() > kMaxRecords) return;
  CurrentUmpire.Mark.clear();
  Umpires.push_back(Compose(CurrentUmpire));
  UmpiresChanged = true;
}

bool DataStore::AddTime(const std::string& line, size_t* position) {
  auto it = std::lower_bound(Times.begin(), Times.end(), line, TextLess());
  if (position) *position = static_cast<size_t>(it - Times.begin());
  if (it != Times.end() && CompareText(*it, line) == 0) return false;
  Times.insert(it, line);
  TimesChanged = true;
  return true;
}

size_t DataStore::AddTimes(std::vector<std::string> lines) {
  const size_t before = Times.size();
  SortLines(lines);
  const auto middle = static_cast<std::ptrdiff_t>(Times.size());
  Times.insert(Times.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
  std::inplace_merge(Times.begin(), Times.begin() + middle, Times.end(), TextLess());
  DropRepeatedLines(Times);
  if (Times.size() > before) TimesChanged = true;
  return Times.size() - before;
}

// ---- files ----------------------------------------------------------------

bool DataStore::ReadList(const std::string& fileName, List& list, const char* header) {
  List lines;
  QString error;
  switch (ReadListFile(FilePath(fileName), lines, error)) {
    case ReadResult::Missing:
      lines.clear();
      break;
    case ReadResult::Failed:
      if (messages)
        messages->Error(
            QStringLiteral("Could not read %1: %2").arg(QDir::toNativeSeparators(FilePath(fileName)), error));
      return false;
    case ReadResult::Read:
      break;
  }
  if (header && lines.empty()) lines.push_back(header);
  list = std::move(lines);
  return true;
}

bool DataStore::WriteDataFile(const std::string& fileName, const List& lines, QString& error) {
  bool deferred = false;
  if (!WriteListFile(FilePath(fileName), lines, error, BulkWrites ? FileSync::Deferred : FileSync::Now,
                     &deferred))
    return false;
  unsynced_ = unsynced_ || deferred;
  return true;
}

bool DataStore::SaveList(const std::string& fileName, const List& list, bool& changed) {
  if (!changed) return true;
  QString error;
  if (!WriteDataFile(fileName, list, error)) return SaveFailed(fileName, error);
  changed = false;
  return true;
}

bool DataStore::SaveFailed(const std::string& fileName, const QString& reason) {
  LastSaveFailed = true;
  if (messages)
    messages->Error(
        QStringLiteral("Could not save %1: %2").arg(QDir::toNativeSeparators(FilePath(fileName)), reason));
  return false;
}

bool DataStore::LoadYears() {
  if (!ReadList("Baseball.Years", Years, "Y|")) {
    yearsUnreadable_ = true;
    Years = {"Y|"};
    ReadYearsHeader();
    ReadYear(0);
    savedYears_ = Years;
    return false;
  }
  yearsUnreadable_ = false;
  ReadYearsHeader();
  ReadYear(YearsHeader.CurYear);
  savedYears_ = Years;
  return true;
}

namespace {

// Whether two lists hold the same records once both are read and written
// back with the current-selection fields emptied (so that a line read with
// its display defaults and written back does not count as changed either).
template <class Record>
bool SameRecords(const List& list, const List& saved, Record (*parse)(std::string_view),
                 void (*clearSelection)(Record&)) {
  if (list.size() != saved.size()) return false;
  auto normal = [&](const std::string& line) {
    Record r = parse(line);
    clearSelection(r);
    return Compose(r);
  };
  for (size_t i = 1; i < list.size(); ++i)
    if (list[i] != saved[i] && normal(list[i]) != normal(saved[i])) return false;
  return true;
}

}  // namespace

bool DataStore::HasUnsavedChanges() const {
  if (PlayersChanged || GamesChanged || FieldsChanged || UmpiresChanged || TimesChanged) return true;
  return !SameRecords<YearRecord>(Years, savedYears_, ParseYear,
                                  [](YearRecord& r) { r.CurLeague.clear(); }) ||
         (LeaguesChanged && !SameRecords<LeagueRecord>(Leagues, savedLeagues_, ParseLeague,
                                                       [](LeagueRecord& r) {
                                                         r.CurTeam.clear();
                                                         r.CurGame.clear();
                                                       })) ||
         (TeamsChanged && !SameRecords<TeamRecord>(Teams, savedTeams_, ParseTeam,
                                                   [](TeamRecord& r) { r.CurPlayer.clear(); }));
}

bool DataStore::LoadLeagues() {
  // Appending to "Y" rather than prepending it to a temporary: g++ 12 at -O3
  // reads the insert at position 0 as an overlapping copy (-Wrestrict).
  std::string wanted = "Y";
  wanted += KeyPart(YearsHeader.CurYear);
  if (wanted == LeaguesKey) return true;
  if (!SaveLeagues()) return false;
  if (!ReadList(wanted + ".Leagues", Leagues, "L|")) return false;
  savedLeagues_ = Leagues;
  LeaguesKey = wanted;
  ReadLeague(CurrentYear.CurLeague);
  return true;
}

bool DataStore::LoadTeams() {
  if (!LoadLeagues()) return false;
  const std::string wanted = LeaguesKey + "L" + KeyPart(CurrentYear.CurLeague);
  if (wanted == TeamsKey) return true;
  if (!SaveTeams()) return false;
  if (!ReadList(wanted + ".Teams", Teams, "T|")) return false;
  savedTeams_ = Teams;
  TeamsKey = wanted;
  ReadTeam(CurrentLeague.CurTeam);
  return true;
}

bool DataStore::LoadPlayers() {
  if (!LoadTeams()) return false;
  const std::string wanted = TeamsKey + "T" + KeyPart(CurrentLeague.CurTeam);
  if (wanted == PlayersKey) return true;
  if (!SavePlayers()) return false;
  if (!ReadList(wanted + ".Players", Players, "P|")) return false;
  PlayersKey = wanted;
  ReadPlayer(CurrentTeam.CurPlayer);
  return true;
}

bool DataStore::LoadGames() {
  if (!LoadLeagues()) return false;
  const std::string wanted = LeaguesKey + "L" + KeyPart(CurrentYear.CurLeague);
  if (wanted == GamesKey) return true;
  if (!SaveSchedule()) return false;
  if (!ReadList(wanted + ".Games", Games, "G|")) return false;
  GamesKey = wanted;
  if (onScheduleSwitched) onScheduleSwitched();
  ReadGame(CurrentLeague.CurGame);
  return true;
}

bool DataStore::LoadFields() {
  if (FieldsKey == GamesKey) return true;
  if (!FieldsKey.empty() && !SaveList(FieldsKey + ".Fields", Fields, FieldsChanged)) return false;
  if (!ReadList(GamesKey + ".Fields", Fields, "F|")) return false;
  FieldsKey = GamesKey;
  return true;
}

bool DataStore::LoadUmpires() {
  if (UmpiresKey == GamesKey) return true;
  if (!UmpiresKey.empty() && !SaveList(UmpiresKey + ".Umpires", Umpires, UmpiresChanged)) return false;
  if (!ReadList(GamesKey + ".Umpires", Umpires, "U|")) return false;
  UmpiresKey = GamesKey;
  return true;
}

bool DataStore::LoadTimes() {
  if (TimesKey == GamesKey) return true;
  if (!TimesKey.empty() && !SaveList(TimesKey + ".Times", Times, TimesChanged)) return false;
  List lines;
  if (!ReadList(GamesKey + ".Times", lines, nullptr)) return false;
  // A blank line (a file edited by hand) is no time: it would become a game
  // without a date.
  lines.erase(std::remove(lines.begin(), lines.end(), std::string()), lines.end());
  SortLines(lines);
  Times = std::move(lines);
  TimesKey = GamesKey;
  return true;
}

bool DataStore::SavePlayers() {
  if (PlayersKey.empty()) return true;
  return SaveList(PlayersKey + ".Players", Players, PlayersChanged);
}

bool DataStore::SaveTeams() {
  if (!SavePlayers()) return false;
  if (TeamsKey.empty()) return true;
  if (!SaveList(TeamsKey + ".Teams", Teams, TeamsChanged)) return false;
  savedTeams_ = Teams;
  return true;
}

bool DataStore::SaveSchedule() {
  if (!GamesKey.empty() && !SaveList(GamesKey + ".Games", Games, GamesChanged)) return false;
  if (!FieldsKey.empty() && !SaveList(FieldsKey + ".Fields", Fields, FieldsChanged)) return false;
  if (!UmpiresKey.empty() && !SaveList(UmpiresKey + ".Umpires", Umpires, UmpiresChanged)) return false;
  const std::string& timesKey = TimesKey.empty() ? GamesKey : TimesKey;
  if (!timesKey.empty() && !SaveList(timesKey + ".Times", Times, TimesChanged)) return false;
  return true;
}

bool DataStore::SaveLeagues() {
  if (!SaveTeams()) return false;
  if (!SaveSchedule()) return false;
  if (LeaguesKey.empty()) return true;
  if (!SaveList(LeaguesKey + ".Leagues", Leagues, LeaguesChanged)) return false;
  savedLeagues_ = Leagues;
  return true;
}

bool DataStore::SaveAll() {
  LastSaveFailed = false;
  if (!SaveLeagues()) return false;
  if (yearsUnreadable_) {
    // Writing now would replace the seasons file we could not read.
    return SaveFailed("Baseball.Years",
                      QStringLiteral("the file could not be read at start-up, so it is left as it is"));
  }
  WriteYearsHeader();
  // The years file leads to every other list: the lists it may name reach
  // the disk before it does.
  QString error;
  if (unsynced_ && !SyncFiles(DataDir, error)) return SaveFailed("Baseball.Years", error);
  unsynced_ = false;
  bool changed = true;
  if (!SaveList("Baseball.Years", Years, changed)) return false;
  savedYears_ = Years;
  return true;
}

}  // namespace scv
