#pragma once
// The one data store of a run: the in-memory lists, the current-record
// buffers, the loaded-file keys, the changed flags, and the Read, Write, Add,
// Load and Save operations over them.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include <QString>

#include "store/ListFile.h"
#include "store/Records.h"

namespace scv {

class Messages;

// The main table's font as the league records set it. An empty name or a
// size of 0 means the designed font ("System", bold, 13 pixels). The colour
// is a Windows colour value, red in the low byte. Underline and strike-out
// come only from the font dialog and are never stored.
struct TableFont {
  int64_t Color = 0;
  std::string Name;
  int64_t PointSize = 0;
  bool Bold = true;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  bool operator==(const TableFont&) const = default;
};

// Whoever shows the main table is told when a league changes its font.
class TableFontView {
 public:
  virtual ~TableFontView() = default;
  virtual void ApplyTableFont(const TableFont& font) = 0;
};

class DataStore {
 public:
  // dataDir: the directory of all list files, with or without a trailing "/".
  // messages receives the error boxes of file operations (may be null: errors
  // are then only returned).
  explicit DataStore(const QString& dataDir, Messages* messages = nullptr);

  QString DataDir;  // always ends with "/"
  Messages* messages = nullptr;
  TableFontView* fontView = nullptr;
  TableFont tableFont;

  List Years, Leagues, Teams, Players, Games, Fields, Umpires;
  // Sorted, without duplicates, no header line.
  List Times;

  YearsHeaderRecord YearsHeader;
  YearRecord CurrentYear;
  LeagueRecord CurrentLeague;
  TeamRecord CurrentTeam;
  PlayerRecord CurrentPlayer;
  GameRecord CurrentGame;
  NamedRecord CurrentField, CurrentUmpire;

  std::string LeaguesKey, TeamsKey, PlayersKey, GamesKey, FieldsKey, UmpiresKey, TimesKey;
  bool LeaguesChanged = false, TeamsChanged = false, PlayersChanged = false, GamesChanged = false,
       FieldsChanged = false, UmpiresChanged = false, TimesChanged = false;
  // Set when a save failed since the last fully successful one.
  bool LastSaveFailed = false;
  // Bulk writing (the import, which writes thousands of new lists and notes
  // as it moves on): a list or note file that is new is not synced to the
  // disk one by one; the whole file system is synced once, before the years
  // file that leads to the new files is written. A file that replaces
  // another is synced as always, so every file on disk stays either the old
  // one or the new one.
  bool BulkWrites = false;

  // The line number that index text names, or 0 (the header) when it names
  // no record of a list of `size` lines (0, negative, past the end, not a
  // number).
  static int64_t RecordIndex(std::string_view indexText, size_t size);

  // Record reads: an index that is 0, past the end, negative or not a number
  // reads the header line (so Mark is not empty: no valid record).
  void ReadYearsHeader();
  void WriteYearsHeader();
  void ReadYear(std::string_view index);
  void ReadLeague(std::string_view index);  // also applies the league's font
  void ReadTeam(std::string_view index);
  void ReadPlayer(std::string_view index);
  void ReadGame(std::string_view index);
  void ReadField(std::string_view index);
  void ReadUmpire(std::string_view index);
  void ReadYear(int64_t index);
  void ReadLeague(int64_t index);
  void ReadTeam(int64_t index);
  void ReadPlayer(int64_t index);
  void ReadGame(int64_t index);
  void ReadField(int64_t index);
  void ReadUmpire(int64_t index);

  // Writes replace the line the parent's current index names; an index of 0
  // or past the end changes nothing and returns false.
  bool WriteYear();
  bool WriteLeague();
  bool WriteTeam();
  bool WritePlayer();
  bool WriteGame();

  void AddYear();
  void AddLeague();
  void AddTeam();
  void AddPlayer();
  void AddGame();
  void AddField();
  void AddUmpire();
  // Inserts a time entry in order; a duplicate is dropped. Sets TimesChanged
  // when the line is new. position, when given, receives the line's
  // position in Times (the existing line's for a duplicate).
  bool AddTime(const std::string& line, size_t* position = nullptr);
  // Adds many time entries in one merge; duplicates are dropped. Returns
  // how many were new.
  size_t AddTimes(std::vector<std::string> lines);

  // Lazy list switches. They return false when the outgoing list could not be
  // written or the new file could not be read: the list in memory and its key
  // are then kept as they were, and the error has been reported.
  bool LoadYears();
  bool LoadLeagues();
  bool LoadTeams();
  bool LoadPlayers();
  bool LoadGames();
  bool LoadFields();
  bool LoadUmpires();
  // Loads the times of the current games key (used by the schedule maker).
  bool LoadTimes();

  bool SavePlayers();
  bool SaveTeams();
  bool SaveSchedule();
  bool SaveLeagues();
  bool SaveAll();

  // Whether a save would write work of the user's: a record added, changed,
  // deleted or undeleted since its list was read or saved. The files also
  // remember where the user was (the chosen year, league, team, player and
  // game, the page shown, the window size), and a save writes that too; but
  // moving about is not work, and a program that called every click in the
  // table an unsaved change would teach its user to ignore the mark. So a
  // change of only those does not count.
  bool HasUnsavedChanges() const;

  // Full path of a list file from its key and suffix (".Teams", ...).
  QString FilePath(const std::string& keyAndSuffix) const;
  // Writes a file of the data directory as the lists are written (in bulk
  // mode too); false with error set when it cannot.
  bool WriteDataFile(const std::string& fileName, const List& lines, QString& error);
  // Run when LoadGames switches to another league's schedule, before the
  // current game is read: the schedule table clears its filter here.
  std::function<void()> onScheduleSwitched;

 private:
  bool yearsUnreadable_ = false;
  // The years, leagues and teams lists as last read or saved: the lists that
  // also hold the current selection.
  List savedYears_, savedLeagues_, savedTeams_;
  // Files written in bulk mode and not synced yet.
  bool unsynced_ = false;
  bool ReadList(const std::string& fileName, List& list, const char* header);
  bool SaveList(const std::string& fileName, const List& list, bool& changed);
  // Notes a failed save of fileName: the flag set, the file and reason shown.
  bool SaveFailed(const std::string& fileName, const QString& reason);
  bool WriteLine(List& list, std::string_view index, std::string line);
  void ApplyLeagueFont();
};

}  // namespace scv
