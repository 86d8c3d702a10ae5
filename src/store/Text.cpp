#include "store/Text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

namespace scv {

int64_t ParseFigure(std::string_view text) {
  text = text.substr(0, 10);
  // Spaces are skipped wherever they stand; the sign is the first other
  // character.
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i == text.size()) return 0;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') {
    negative = text[i] == '-';
    ++i;
  }
  bool digits = false;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ' ') continue;
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');  // at most 10 digits: no overflow
    digits = true;
  }
  if (!digits) return 0;
  return negative ? -value : value;
}

std::string FigureText(int64_t n) { return std::to_string(n); }

std::string FigureTextOrBlank(int64_t n) { return n == 0 ? std::string() : std::to_string(n); }

std::string ZeroPadded(int64_t v, size_t width) {
  std::string digits = std::to_string(v);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

std::string Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  return std::string(text.substr(b, e - b));
}

std::string TrimRight(std::string_view text) {
  size_t e = text.size();
  while (e > 0 && text[e - 1] == ' ') --e;
  return std::string(text.substr(0, e));
}

namespace {

// Windows-1252 code points of bytes 0x80..0x9F; the five unassigned bytes map
// to the C1 controls of the same value so that text survives a round trip.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

unsigned char UpperByte(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
  }
}

// Primary weight: the letter without case or accent, so that "Émile" sorts
// with the E's. Everything else keeps its byte order.
struct Weights {
  std::array<unsigned char, 256> primary{};
  std::array<unsigned char, 256> folded{};
  Weights() {
    for (int i = 0; i < 256; ++i) {
      unsigned char u = UpperByte(static_cast<unsigned char>(i));
      folded[i] = u;
      primary[i] = u;
    }
    auto base = [this](unsigned char from, unsigned char to, char letter) {
      for (int c = from; c <= to; ++c) {
        primary[c] = static_cast<unsigned char>(letter);
        primary[c + 32] = static_cast<unsigned char>(letter);
      }
    };
    base(0xC0, 0xC6, 'A');
    base(0xC7, 0xC7, 'C');
    base(0xC8, 0xCB, 'E');
    base(0xCC, 0xCF, 'I');
    base(0xD0, 0xD0, 'D');
    base(0xD1, 0xD1, 'N');
    base(0xD2, 0xD6, 'O');
    base(0xD8, 0xD8, 'O');
    base(0xD9, 0xDC, 'U');
    base(0xDD, 0xDD, 'Y');
    primary[0xDF] = 'S';
    primary[0xFF] = primary[0x9F] = 'Y';
    primary[0x8A] = primary[0x9A] = 'S';
    primary[0x8E] = primary[0x9E] = 'Z';
    primary[0x8C] = primary[0x9C] = 'O';
  }
};

const Weights& W() {
  static const Weights w;
  return w;
}

int CompareBy(std::string_view a, std::string_view b, const std::array<unsigned char, 256>& table) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = table[static_cast<unsigned char>(a[i])];
    unsigned char y = table[static_cast<unsigned char>(b[i])];
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return 0;
}

}  // namespace

std::string UpperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
  return out;
}

int CompareText(std::string_view a, std::string_view b) {
  const Weights& w = W();
  if (int r = CompareBy(a, b, w.primary)) return r;
  if (int r = CompareBy(a, b, w.folded)) return r;
  // Lines that differ only in case still differ: neither is dropped.
  if (a == b) return 0;
  return a < b ? -1 : 1;
}

void SortLines(std::vector<std::string>& lines) {
  std::sort(lines.begin(), lines.end(), TextLess());
  DropRepeatedLines(lines);
}

void DropRepeatedLines(std::vector<std::string>& sorted) {
  sorted.erase(std::unique(sorted.begin(), sorted.end(),
                           [](const std::string& a, const std::string& b) { return CompareText(a, b) == 0; }),
               sorted.end());
}

bool SortsAsBytes(std::string_view text) {
  const Weights& w = W();
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (w.primary[b] != b) return false;
  }
  return true;
}

QString Decode(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (char ch : bytes) {
    auto c = static_cast<unsigned char>(ch);
    out.append(c >= 0x80 && c < 0xA0 ? QChar(kHigh[c - 0x80]) : QChar(static_cast<char16_t>(c)));
  }
  return out;
}

QStringList Unencodable(const QString& text) {
  QStringList out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    QString ch = text.mid(i, 1);
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
      ch = text.mid(i++, 2);
    if (Encode(ch) == "?" && ch != QLatin1String("?") && !out.contains(ch)) out += ch;
  }
  return out;
}

std::string Encode(const QString& text) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    char16_t u = text.at(i).unicode();
    if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      ++i;  // one character outside the code page
      out.push_back('?');
      continue;
    }
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      out.push_back(static_cast<char>(u));
      continue;
    }
    char mapped = '?';
    for (size_t k = 0; k < kHigh.size(); ++k)
      if (kHigh[k] == u) {
        mapped = static_cast<char>(0x80 + k);
        break;
      }
    out.push_back(mapped);
  }
  return out;
}

void AppendUtf8(std::string& out, std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    // Runs of ASCII, most of any text, go across whole.
    size_t ascii = i;
    for (uint64_t word; ascii + 8 <= bytes.size(); ascii += 8) {
      std::memcpy(&word, bytes.data() + ascii, 8);
      if (word & 0x8080808080808080ull) break;
    }
    while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80) ++ascii;
    out.append(bytes.data() + i, ascii - i);
    if (ascii == bytes.size()) break;
    const auto c = static_cast<unsigned char>(bytes[ascii]);
    const char16_t u = c < 0xA0 ? kHigh[c - 0x80] : c;
    if (u < 0x800) {
      const char two[2] = {static_cast<char>(0xC0 | (u >> 6)), static_cast<char>(0x80 | (u & 0x3F))};
      out.append(two, 2);
    } else {
      const char three[3] = {static_cast<char>(0xE0 | (u >> 12)), static_cast<char>(0x80 | ((u >> 6) & 0x3F)),
                             static_cast<char>(0x80 | (u & 0x3F))};
      out.append(three, 3);
    }
    i = ascii + 1;
  }
}

}  // namespace scv
