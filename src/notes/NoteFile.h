#pragma once
// Note files: their names, built from the list keys, the item's kind letter
// and its index, and their contents, plain Windows-1252 lines each ended by
// CR LF.
#include <cstdint>
#include <string>
#include <string_view>

#include <QString>
#include <QStringList>

#include "store/ListFile.h"

namespace scv {

class DataStore;

// A note file larger than this is not opened.
constexpr int64_t kMaxNoteSize = 32600;
// The part of a note's name before ".Notes" is cut to this length.
constexpr size_t kMaxNoteStem = 20;
constexpr size_t kMaxNoteTitle = 80;

// The note file name of an item: key + kind + index, cut to 20 characters,
// then ".Notes". The index must be a positive decimal number (at most 5
// characters; spaces are ignored) and is written back as plain digits; the
// key may hold only letters, digits and "-", and must be empty exactly for a
// year. Anything else names no note: the result is empty, so no name can
// lead out of the data directory.
std::string NoteFileName(char kind, std::string_view key, std::string_view index);

// The key of the list that holds items of a kind, as loaded in the store:
// none for a year, the leagues key for a league, the teams key for a team,
// the players key for a player, the games, fields and umpires keys for
// games, fields and umpires. False for any other letter.
bool NoteKey(const DataStore& store, char kind, std::string& key);

// The memo text of a note's lines: the lines decoded, each followed by a
// line break (so the caret can go below the last line, as in the file).
QString NoteText(const List& lines);
// The memo text as lines for the file: split at every line break (CR LF,
// CR, LF and the paragraph and line separators), a last line break ending
// the last line rather than starting an empty one, each line encoded.
List NoteLines(const QString& text);
// The same lines as shown, for printing.
QStringList NoteTextLines(const QString& text);

}  // namespace scv
