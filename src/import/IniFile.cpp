#include "import/IniFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <limits>

#include "store/ListFile.h"
#include "store/Text.h"

namespace scv {

namespace {

// Names compare as the program's upper case makes them (ASCII and the
// Windows-1252 accented letters).
std::array<unsigned char, 256> MakeFold() {
  std::array<unsigned char, 256> t{};
  for (int c = 0; c < 256; ++c) {
    const std::string upper = UpperCase(std::string(1, static_cast<char>(c)));
    t[static_cast<size_t>(c)] = static_cast<unsigned char>(upper.size() == 1 ? upper[0] : c);
  }
  return t;
}
const std::array<unsigned char, 256> kFold = MakeFold();

uint64_t HashName(std::string_view name) {
  uint64_t h = 1469598103934665603ull;
  for (char c : name) {
    h ^= kFold[static_cast<unsigned char>(c)];
    h *= 1099511628211ull;
  }
  return h ^ (h >> 29);
}

// The key table's hash of a key of a section, from the tag of its name.
uint64_t KeyHash(uint32_t tag, uint32_t section) {
  uint64_t h = tag + section * 0x9E3779B97F4A7C15ull;
  h ^= h >> 31;
  h *= 0xBF58476D1CE4E5B9ull;
  return h ^ (h >> 29);
}

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view TrimBlanks(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && Blank(s[b])) ++b;
  while (e > b && Blank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// The number of LF bytes, eight at a time.
size_t CountLineFeeds(std::string_view s) {
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  constexpr uint64_t kLow7 = kOnes * 0x7F, kHigh = kOnes * 0x80;
  size_t count = 0, i = 0;
  for (; i + 8 <= s.size(); i += 8) {
    uint64_t w;
    std::memcpy(&w, s.data() + i, 8);
    w ^= kOnes * '\n';  // an LF byte is now zero
    // The top bit of each byte that is not zero; no carry crosses a byte.
    const uint64_t nonZero = ((w & kLow7) + kLow7) | w;
    count += static_cast<size_t>(std::popcount(~nonZero & kHigh));
  }
  for (; i < s.size(); ++i) count += s[i] == '\n';
  return count;
}

size_t SlotCount(size_t entries) {
  size_t n = 16;
  while (n < entries * 2) n *= 2;
  return n;
}

}  // namespace

uint32_t IniFile::Tag(std::string_view name) { return static_cast<uint32_t>(HashName(name)); }

bool IniFile::SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (kFold[static_cast<unsigned char>(a[i])] != kFold[static_cast<unsigned char>(b[i])]) return false;
  return true;
}

bool IniFile::Load(const QString& path, QString& error) {
  Parse(std::string());
  std::string bytes;
  switch (ReadFileBytes(path, bytes, error)) {
    case ReadResult::Missing:
      error = QString::fromLocal8Bit(std::strerror(ENOENT));
      return false;
    case ReadResult::Failed:
      return false;
    case ReadResult::Read:
      break;
  }
  if (bytes.size() > kMaxSize) {
    error = QStringLiteral("the file is too large");
    return false;
  }
  Parse(std::move(bytes));
  return true;
}

void IniFile::Parse(std::string bytes) {
  bytes_ = std::move(bytes);
  if (bytes_.size() > kMaxSize) bytes_.resize(kMaxSize);
  sectionNames_.clear();
  sections_.clear();
  keys_.clear();
  keyTags_.clear();
  const std::string_view text(bytes_);
  const size_t lines = CountLineFeeds(text) + 1;
  keys_.reserve(lines);
  keyTags_.reserve(lines);
  sectionSlots_.assign(SlotCount(64), 0);
  keySlots_.assign(64, 0);
  hashedKeys_ = 0;

  size_t pos = 0;
  const size_t n = text.size();
  if (text.substr(0, 3) == "\xEF\xBB\xBF") pos = 3;  // a UTF-8 byte order mark
  int section = -1;
  // Lines are short (a key and a figure): a plain scan for the line end
  // costs less than a library search, and reads CR-only files in one pass.
  const char* base = text.data();
  while (pos < n) {
    size_t end = pos;
    while (end < n && base[end] != '\n' && base[end] != '\r') ++end;
    const std::string_view line = TrimBlanks(text.substr(pos, end - pos));
    pos = end + 1;
    if (end + 1 < n && text[end] == '\r' && text[end + 1] == '\n') ++pos;

    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      if (close != std::string_view::npos) section = AddSection(TrimBlanks(line.substr(1, close - 1)));
      continue;
    }
    if (section < 0) continue;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = TrimBlanks(line.substr(0, eq));
    if (key.empty()) continue;
    std::string_view value = TrimBlanks(line.substr(eq + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    AddKey(section, key, value);
  }
}

int IniFile::FindSection(std::string_view name, uint64_t hash) const {
  const size_t mask = sectionSlots_.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const uint32_t slot = sectionSlots_[i];
    if (slot == 0) return -1;
    const SectionEntry& e = sections_[slot - 1];
    if (e.hash == hash && SameName(e.name, name)) return static_cast<int>(slot - 1);
  }
}

int IniFile::AddSection(std::string_view name) {
  const uint64_t hash = HashName(name);
  if (FindSection(name, hash) >= 0) return -1;
  if ((sections_.size() + 1) * 2 >= sectionSlots_.size()) {
    sectionSlots_.assign(sectionSlots_.size() * 2, 0);
    const size_t mask = sectionSlots_.size() - 1;
    for (size_t k = 0; k < sections_.size(); ++k) {
      size_t i = sections_[k].hash & mask;
      while (sectionSlots_[i] != 0) i = (i + 1) & mask;
      sectionSlots_[i] = static_cast<uint32_t>(k + 1);
    }
  }
  sections_.push_back({hash, name, static_cast<uint32_t>(keys_.size()), 0, false});
  sectionNames_.push_back(name);
  const size_t mask = sectionSlots_.size() - 1;
  size_t i = hash & mask;
  while (sectionSlots_[i] != 0) i = (i + 1) & mask;
  sectionSlots_[i] = static_cast<uint32_t>(sections_.size());
  return static_cast<int>(sections_.size() - 1);
}

int64_t IniFile::FindKey(int section, std::string_view key, uint32_t tag) const {
  const SectionEntry& s = sections_[static_cast<size_t>(section)];
  if (!s.hashed) {
    for (uint32_t k = s.firstKey; k < s.firstKey + s.keyCount; ++k)
      if (keyTags_[k] == tag && SameName(KeyOf(keys_[k]), key)) return k;
    return -1;
  }
  const uint32_t sectionNumber = static_cast<uint32_t>(section);
  const size_t mask = keySlots_.size() - 1;
  for (size_t i = KeyHash(tag, sectionNumber) & mask;; i = (i + 1) & mask) {
    const uint32_t slot = keySlots_[i];
    if (slot == 0) return -1;
    const uint32_t k = slot - 1;
    if (keyTags_[k] == tag && keys_[k].section == sectionNumber && SameName(KeyOf(keys_[k]), key)) return k;
  }
}

void IniFile::ReserveKeySlots(size_t more) {
  if ((hashedKeys_ + more) * 2 < keySlots_.size()) return;
  size_t n = keySlots_.size();
  while ((hashedKeys_ + more) * 2 >= n) n *= 2;
  keySlots_.assign(n, 0);
  // Repeats kept from before a section was hashed stay out of the table.
  for (size_t k = 0; k < keys_.size(); ++k) {
    const KeyEntry& e = keys_[k];
    if (sections_[e.section].hashed && FindKey(static_cast<int>(e.section), KeyOf(e), keyTags_[k]) < 0)
      InsertKeySlot(k);
  }
}

void IniFile::InsertKeySlot(size_t k) {
  const size_t mask = keySlots_.size() - 1;
  size_t i = KeyHash(keyTags_[k], keys_[k].section) & mask;
  while (keySlots_[i] != 0) i = (i + 1) & mask;
  keySlots_[i] = static_cast<uint32_t>(k + 1);
}

void IniFile::AddKey(int section, std::string_view key, std::string_view value) {
  const uint32_t tag = Tag(key);
  SectionEntry& s = sections_[static_cast<size_t>(section)];
  if (s.hashed) {
    if (FindKey(section, key, tag) >= 0) return;  // the first one stays
    ReserveKeySlots(1);
  }
  // A section searched straight through keeps its repeats: the search finds
  // the first one.
  const char* base = bytes_.data();
  keys_.push_back({static_cast<uint32_t>(section), static_cast<uint32_t>(key.data() - base),
                   static_cast<uint32_t>(key.size()), static_cast<uint32_t>(value.data() - base),
                   static_cast<uint32_t>(value.size())});
  keyTags_.push_back(tag);
  ++s.keyCount;
  if (s.hashed) {
    InsertKeySlot(keys_.size() - 1);
    ++hashedKeys_;
  } else if (s.keyCount > kScanKeys) {
    // From now on this section's keys are looked up in the table, the first
    // of each name only.
    ReserveKeySlots(s.keyCount);
    s.hashed = true;
    for (uint32_t k = s.firstKey; k < s.firstKey + s.keyCount; ++k) {
      if (FindKey(section, KeyOf(keys_[k]), keyTags_[k]) >= 0) continue;
      InsertKeySlot(k);
      ++hashedKeys_;
    }
  }
}

int IniFile::Section(std::string_view name) const { return FindSection(name, HashName(name)); }

std::string_view IniFile::Value(int section, std::string_view key) const {
  if (section < 0) return {};
  const int64_t k = FindKey(section, key, Tag(key));
  if (k < 0) return {};
  const KeyEntry& e = keys_[static_cast<size_t>(k)];
  return std::string_view(bytes_).substr(e.valuePos, e.valueLength);
}

int64_t IniFile::ParseCount(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      break;
    value = value > (kMax - digit) / base ? kMax : value * base + digit;
  }
  return negative ? -value : value;
}

}  // namespace scv
