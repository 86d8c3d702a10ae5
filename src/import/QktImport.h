#pragma once
// Import of a QKT file: every season of the file becomes a new year with its
// leagues, teams, players, schedule, fields, umpires and the notes kept in
// ".QKN" files beside it. The import only adds; importing a file twice gives
// two copies.
#include <QString>

namespace scv {

class DataStore;
class Messages;
class Progress;
class Tables;

extern const char kQktWrongExtension[];  // "The File Extension Must be .QKT"
extern const char kQktTooManyRecords[];  // "The QKT file holds more records than a list can keep"

enum class ImportResult {
  Refused,  // nothing was added: wrong extension, unreadable file, counts too large
  Stopped,  // a list or note could not be written, or a list read, part-way; the error has been shown
  Imported,
};

// Imports the QKT file at path into the store, walking its sections through
// the store's Add operations and list switches: the selection moves with the
// import and every list left behind is saved. The lists still in memory at
// the end are marked changed. The progress window runs by bytes read (its
// maximum is the file size / 8, one step per season, league, team, player,
// game, field and umpire read).
//
// Refused before anything is added: a name whose extension is not QKT (a
// warning), a file that cannot be read (its name and the reason), a count
// ("Last") above 99,999 or more seasons than the years list can still take.
// Seasons, leagues, players and games are visited only where the file has
// their section; teams, fields and umpires are added for every number up to
// their count, those without a name as placeholders (Mark "+"), so that their
// indexes equal their section numbers.
ImportResult ImportQkt(DataStore& store, const QString& path, Messages& messages, Progress& progress);

// The file-open dialog of the import (OpenDialog).
class OpenFileView {
 public:
  virtual ~OpenFileView() = default;
  // Shows the dialog; false when it was cancelled, else fileName is chosen.
  virtual bool Execute(QString& fileName) = 0;
};

// The File menu's Import QKT.
class ImportPresenter {
 public:
  ImportPresenter(DataStore& store, Tables& tables, OpenFileView& dialog, Messages& messages);
  // Asks for the file, imports it and rebuilds the main table. Cancel, and a
  // refused file, change nothing.
  void ImportItemClick();

 private:
  DataStore& store_;
  Tables& tables_;
  OpenFileView& dialog_;
  Messages& messages_;
};

}  // namespace scv
