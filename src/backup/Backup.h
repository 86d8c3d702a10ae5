#pragma once
// Backup All: copies every list and note file of the data directory into
// another directory. No subdirectory is visited, and nothing but the data
// files is copied (not the lock file, not a save's temporary files).
#include <functional>

#include <QString>
#include <QStringList>

namespace scv {

class Messages;

// True when a file of that name is one a backup copies: it ends with one of
// ".Years", ".Leagues", ".Teams", ".Players", ".Games", ".Fields",
// ".Umpires", ".Times" or ".Notes" (compared without case, as the file
// list's mask is) and has something before the suffix.
bool IsBackupFileName(const QString& name);

// The names of the data files in dataDir, sorted as the file list shows them
// (alphabetically, without case). A missing directory has none.
QStringList BackupFileNames(const QString& dataDir);

// Why destDir cannot take a backup of dataDir, or an empty text when it can.
// The data directory itself and any directory inside it are refused, symbolic
// links resolved: copying the files onto themselves or into their own
// directory's tree gains nothing and rewrites the very files being saved.
// A destination that does not exist yet is fine (it is created).
QString CheckBackupDestination(const QString& dataDir, const QString& destDir);

// Copies the named files from dataDir into destDir, in the given order, line
// by line: every line is written with CR LF and the copy ends with a line
// break. Each copy goes through a temporary file renamed over the old one,
// so a failed write never leaves a half-written file, and a file of that name
// already there is replaced only by a complete copy. The first file that
// cannot be read or written stops the copy with an error naming the file and
// the system's reason; files copied before it stay copied. A name that has
// disappeared from dataDir since it was listed is skipped. onFile is called
// with each file's position before it is copied. Returns true when every
// file was copied; copied counts the files written.
bool CopyBackupFiles(const QString& dataDir, const QString& destDir, const QStringList& names,
                     Messages& messages, const std::function<void(int)>& onFile = {}, int* copied = nullptr);

// The whole command for the command line: refuses a destination inside the
// data directory, lists the data files afresh and copies them. Messages go
// to messages. Returns the exit status: 0 when everything was copied, 1 on a
// refusal or error.
int RunBackupCommand(const QString& dataDir, const QString& destDir, Messages& messages);

}  // namespace scv
