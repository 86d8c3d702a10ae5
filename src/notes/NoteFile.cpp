#include "notes/NoteFile.h"


#include "store/DataStore.h"
#include "store/Records.h"
#include "store/Text.h"

namespace scv {

namespace {

bool KeyChar(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'; }

// The kind letters: year, league, team, player, field, game, umpire.
bool Kind(char c) { return c != '\0' && std::string_view("YLTPFGU").find(c) != std::string_view::npos; }

bool LineBreak(QChar c) {
  return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator ||
         c == QChar::LineSeparator;
}

}  // namespace

std::string NoteFileName(char kind, std::string_view key, std::string_view index) {
  if (!Kind(kind)) return std::string();
  if ((kind == 'Y') != key.empty()) return std::string();
  for (char c : key)
    if (!KeyChar(c)) return std::string();
  const std::string_view cut = index.substr(0, Width::Index);
  bool digits = false;
  for (char c : cut) {
    if (c == ' ') continue;
    if (c < '0' || c > '9') return std::string();
    digits = true;
  }
  const int64_t n = ParseFigure(cut);
  if (!digits || n <= 0) return std::string();
  std::string stem = std::string(key) + kind + FigureText(n);
  return Cut(stem, kMaxNoteStem) + ".Notes";
}

bool NoteKey(const DataStore& store, char kind, std::string& key) {
  switch (kind) {
    case 'Y':
      key.clear();
      return true;
    case 'L':
      key = store.LeaguesKey;
      return true;
    case 'T':
      key = store.TeamsKey;
      return true;
    case 'P':
      key = store.PlayersKey;
      return true;
    case 'G':
      key = store.GamesKey;
      return true;
    case 'F':
      key = store.FieldsKey;
      return true;
    case 'U':
      key = store.UmpiresKey;
      return true;
    default:
      return false;
  }
}

QString NoteText(const List& lines) {
  QString text;
  for (const std::string& line : lines) {
    text += Decode(line);
    text += QLatin1Char('\n');
  }
  return text;
}

QStringList NoteTextLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text.at(i);
    if (!LineBreak(c)) continue;
    lines.append(text.mid(start, i - start));
    if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) ++i;
    start = i + 1;
  }
  if (start < n) lines.append(text.mid(start));
  return lines;
}

List NoteLines(const QString& text) {
  List lines;
  for (const QString& line : NoteTextLines(text)) lines.push_back(Encode(line));
  return lines;
}

}  // namespace scv
