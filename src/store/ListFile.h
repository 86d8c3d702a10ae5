#pragma once
// Whole-file reading and writing of a list: bytes as they stand, CR, LF or
// CR LF ending a line on reading, CR LF written after every line.
#include <string>
#include <vector>

#include <QString>

namespace scv {

using List = std::vector<std::string>;

enum class ReadResult { Read, Missing, Failed };

// Splits file contents into lines.
List SplitLines(const std::string& bytes);
std::string JoinLines(const List& lines);

// Reads path into lines; on Failed, error holds the system's reason and lines
// is left untouched. A file is Missing only where its directory is there:
// a list whose directory has gone (a drive removed) cannot be read, as it
// is no empty list. Anything but a regular file (a directory, a pipe, a
// device) cannot be read either.
ReadResult ReadListFile(const QString& path, List& lines, QString& error);
// The same for the file's bytes as they stand.
ReadResult ReadFileBytes(const QString& path, std::string& bytes, QString& error);

// When a written file's bytes are forced onto the disk.
enum class FileSync {
  Now,       // before the file takes its name: every file, always
  Deferred,  // a file that is new may take its name unsynced (see SyncFiles)
};

// Writes through a temporary file renamed over the old one: on failure the old
// file is untouched, no temporary file remains and error holds the reason.
// A directory that does not exist is not made: a data directory that has
// gone stays gone rather than coming back with only the lists of one save
// in it. A file that is read-only is not replaced, nor anything but a
// regular file; a link is written through to the file it names. With FileSync::Deferred a
// file that did not exist is not synced before it is renamed, and *deferred
// says so: a crash may then leave it damaged, but it was new, so nothing
// written before refers to it. Whoever writes the file that does refer to it
// calls SyncFiles first. A file that replaces another is always synced.
bool WriteListFile(const QString& path, const List& lines, QString& error, FileSync sync = FileSync::Now,
                   bool* deferred = nullptr);
// The same for bytes as they stand.
bool WriteFileBytes(const QString& path, const std::string& bytes, QString& error, FileSync sync = FileSync::Now,
                    bool* deferred = nullptr);
// Forces every file written so far on the file system of dir onto the disk.
bool SyncFiles(const QString& dir, QString& error);

}  // namespace scv
