#pragma once
// Our own reader of initialization files, with the rules Windows gives them:
// "[name]" opens a section, "key=value" gives a value; section and key names
// compare without case; the first section of a name and the first key of a
// name in it are the ones read (later repeats are passed over); blanks around
// names and values are trimmed and one pair of double quotes enclosing a value
// is removed; a line whose first non-blank character is ";" is a comment;
// there are no continuation lines and no comments after a value. A missing
// section or key reads as the empty text, or as 0 when read as a count.
//
// The file is read once into memory and every key goes into one hash table,
// so a look-up never scans the file.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

namespace scv {

class IniFile {
 public:
  // The largest file read (positions in it are 32 bits).
  static constexpr size_t kMaxSize = 0xFFFFFFFFu;

  // Reads the whole file. False, with error holding the system's reason, when
  // it cannot be read (missing, no permission, a directory, larger than
  // kMaxSize); the contents are then empty.
  bool Load(const QString& path, QString& error);
  // Takes the bytes of a file already in memory (cut to kMaxSize).
  void Parse(std::string bytes);

  // The number of bytes read.
  size_t Size() const { return bytes_.size(); }

  // The section of that name, or -1 when the file has none.
  int Section(std::string_view name) const;
  // The names of the sections in file order (a repeated name only once);
  // a section's number is its position here.
  const std::vector<std::string_view>& SectionNames() const { return sectionNames_; }

  // The value of a key; empty when the section (-1 included) or key is missing.
  std::string_view Value(int section, std::string_view key) const;
  std::string_view Value(std::string_view section, std::string_view key) const {
    return Value(Section(section), key);
  }
  // The value cut to width.
  std::string Text(int section, std::string_view key, size_t width) const {
    return std::string(Value(section, key).substr(0, width));
  }
  // The value as a count (see ParseCount).
  int64_t Count(int section, std::string_view key) const { return ParseCount(Value(section, key)); }
  int64_t Count(std::string_view section, std::string_view key) const { return Count(Section(section), key); }

  // Calls f(tag, key, value) for every key of a section in file order (none
  // for -1). A name given twice may come twice: the first is the one Value
  // reads. tag is Tag(key), worked out when the file was read.
  template <class F>
  void ForEachKey(int section, F&& f) const {
    if (section < 0) return;
    const SectionEntry& s = sections_[static_cast<size_t>(section)];
    const std::string_view bytes(bytes_);
    for (uint32_t k = s.firstKey; k < s.firstKey + s.keyCount; ++k)
      f(keyTags_[k], KeyOf(keys_[k]), bytes.substr(keys_[k].valuePos, keys_[k].valueLength));
  }
  // The hash of a key name, the same for every spelling the reader takes
  // for that name; and whether two names are the same name.
  static uint32_t Tag(std::string_view name);
  static bool SameName(std::string_view a, std::string_view b);

  // The signed number a value begins with: decimal, or hexadecimal after
  // "0x" or "0X"; reading stops at the first character that is not a digit.
  // A value that does not begin with a number is 0; a number too large for
  // 64 bits stays at the largest one.
  static int64_t ParseCount(std::string_view text);

 private:
  // A section's keys follow each other in keys_ (a repeated section is passed
  // over whole). A section of few keys is searched straight through them,
  // which keeps a look-up within a few cache lines; one of many keys has
  // them in the hash table of keys as well.
  static constexpr uint32_t kScanKeys = 64;
  struct SectionEntry {
    uint64_t hash;
    std::string_view name;
    uint32_t firstKey, keyCount;
    bool hashed;
  };
  // Where a key and its value lie in bytes_ (a file read whole is below
  // 4 GiB).
  struct KeyEntry {
    uint32_t section, keyPos, keyLength, valuePos, valueLength;
  };

  std::string bytes_;
  std::vector<std::string_view> sectionNames_;
  std::vector<SectionEntry> sections_;
  std::vector<KeyEntry> keys_;
  std::vector<uint32_t> keyTags_;  // each key's hash, searched before the names are compared
  size_t hashedKeys_ = 0;
  // Open addressing: slot = entry number + 1, 0 = free. Sizes are powers of
  // two, at least twice the number of entries.
  std::vector<uint32_t> sectionSlots_, keySlots_;

  int FindSection(std::string_view name, uint64_t hash) const;
  // Adds a section unless one of that name exists; returns its number, or -1
  // for a repeat (whose keys are then passed over).
  int AddSection(std::string_view name);
  std::string_view KeyOf(const KeyEntry& e) const {
    return std::string_view(bytes_).substr(e.keyPos, e.keyLength);
  }
  // The entry of the first key of that name, or -1.
  int64_t FindKey(int section, std::string_view key, uint32_t tag) const;
  void AddKey(int section, std::string_view key, std::string_view value);
  // Makes room in the key table for more keys (rebuilding it when it grows).
  void ReserveKeySlots(size_t more);
  void InsertKeySlot(size_t k);
};

}  // namespace scv
