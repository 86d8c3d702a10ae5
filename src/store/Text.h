#pragma once
// Byte-text helpers shared by every list and table: numbers in stored text,
// the 8-bit code page and the one text order the program sorts by.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <QString>
#include <QStringList>

namespace scv {

// Reads stored text as a number: at most the first 10 characters, every space
// removed, then a signed decimal integer. Empty or invalid text is 0.
int64_t ParseFigure(std::string_view text);

// Decimal text of n; "0" for 0.
std::string FigureText(int64_t n);
// Decimal text of n; the empty text for 0.
std::string FigureTextOrBlank(int64_t n);

// Decimal text of v padded on the left with zeros to width digits.
std::string ZeroPadded(int64_t v, size_t width);

// Cuts text to at most width bytes.
inline std::string Cut(std::string_view text, size_t width) {
  return std::string(text.substr(0, width));
}
// Removes leading and trailing spaces.
std::string Trim(std::string_view text);
std::string TrimRight(std::string_view text);
// Upper-cases ASCII and the Windows-1252 accented letters.
std::string UpperCase(std::string_view text);

// The order of every sorted list of the program (row list, pick list, times):
// case-insensitive, spaces before digits before letters. Returns <0, 0, >0.
int CompareText(std::string_view a, std::string_view b);
struct TextLess {
  bool operator()(const std::string& a, const std::string& b) const { return CompareText(a, b) < 0; }
};
// The sorted lists keep each line once: sorts lines in that order and drops
// the repeated ones; DropRepeatedLines does the second half on a list that
// is sorted already.
void SortLines(std::vector<std::string>& lines);
void DropRepeatedLines(std::vector<std::string>& sorted);
// Whether CompareText orders texts made only of these bytes as their plain
// bytes do: true when no byte is a lower-case or accented letter (digits,
// spaces, punctuation and A to Z compare as themselves).
bool SortsAsBytes(std::string_view text);

// Windows-1252 bytes <-> Unicode, at the user-interface boundary only.
QString Decode(std::string_view bytes);
// Characters outside Windows-1252 become "?".
std::string Encode(const QString& text);
// The characters of text that Encode cannot keep (a surrogate pair is one),
// each once, in the order they first appear; empty when all fit the code page.
QStringList Unencodable(const QString& text);
// Appends Windows-1252 bytes to out as UTF-8, as Decode(bytes).toUtf8()
// would give them, without the detour.
void AppendUtf8(std::string& out, std::string_view bytes);

}  // namespace scv
