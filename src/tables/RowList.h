#pragma once
// The row list of the main tables: one line per shown record, a fixed-width
// sort key followed by the record's position as decimal text. Builders add
// their lines in any order; the list is sorted once (case-insensitively,
// CompareText, or by plain bytes where that gives the same order) and equal
// lines are dropped before it is read. The lines live back to back in one
// buffer, so a list of 99,999 games costs no allocation per line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scv {

class RowList {
 public:
  void Clear();
  // A line of its own (its position reads as 0).
  void Add(std::string_view line) { Add(line, std::string_view(), 0); }
  // The key followed by the position's decimal text.
  void Add(std::string_view key, size_t position);
  // Sorts and drops duplicates; reading does it on its own when needed.
  void Finish() const;

  int Count() const {
    Finish();
    return static_cast<int>(entries_.size());
  }
  bool Empty() const { return entries_.empty(); }
  // Line i (0-based) of the sorted list.
  std::string_view Line(int i) const;
  std::string_view operator[](int i) const { return Line(i); }
  // The record position of line i, as it was added.
  size_t Position(int i) const;
  std::vector<std::string> Lines() const;

 private:
  struct Entry {
    uint32_t start;
    uint32_t length;
    uint32_t position;
  };
  void Add(std::string_view key, std::string_view tail, size_t position);
  std::string_view Text(const Entry& e) const { return std::string_view(text_).substr(e.start, e.length); }

  std::string text_;
  mutable std::vector<Entry> entries_;
  mutable bool sorted_ = true;
};

}  // namespace scv
