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
// is left untouched.
ReadResult ReadListFile(const QString& path, List& lines, QString& error);
// The same for the file's bytes as they stand.
ReadResult ReadFileBytes(const QString& path, std::string& bytes, QString& error);
// Writes through a temporary file renamed over the old one: on failure the old
// file is untouched, no temporary file remains and error holds the reason.
// Creates the directory when it does not exist yet.
bool WriteListFile(const QString& path, const List& lines, QString& error);
// The same for bytes as they stand.
bool WriteFileBytes(const QString& path, const std::string& bytes, QString& error);

}  // namespace scv
