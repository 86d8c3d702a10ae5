#pragma once
// The row list of the main tables: one line per shown record, a fixed-width
// sort key followed by the record's position. Builders add their lines in any
// order; the list is sorted once (case-insensitively, CompareText) and equal
// lines are dropped before it is read.
#include <string>
#include <string_view>
#include <vector>

namespace scv {

class RowList {
 public:
  void Clear() {
    lines_.clear();
    sorted_ = true;
  }
  void Add(std::string line) {
    lines_.push_back(std::move(line));
    sorted_ = false;
  }
  // Sorts and drops duplicates; reading does it on its own when needed.
  void Finish() const;

  int Count() const {
    Finish();
    return static_cast<int>(lines_.size());
  }
  bool Empty() const { return lines_.empty(); }
  // Line i (0-based) of the sorted list.
  const std::string& Line(int i) const {
    Finish();
    return lines_.at(static_cast<size_t>(i));
  }
  const std::string& operator[](int i) const { return Line(i); }
  const std::vector<std::string>& Lines() const {
    Finish();
    return lines_;
  }

 private:
  mutable std::vector<std::string> lines_;
  mutable bool sorted_ = true;
};

}  // namespace scv
