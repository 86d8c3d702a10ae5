#include "tables/RowList.h"

#include <algorithm>
#include <charconv>

#include "store/Text.h"

namespace scv {

void RowList::Clear() {
  text_.clear();
  entries_.clear();
  sorted_ = true;
}

void RowList::Add(std::string_view key, size_t position) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, position).ptr;
  Add(key, std::string_view(digits, static_cast<size_t>(end - digits)), position);
}

void RowList::Add(std::string_view key, std::string_view tail, size_t position) {
  const auto start = static_cast<uint32_t>(text_.size());
  text_.append(key);
  text_.append(tail);
  entries_.push_back(
      {start, static_cast<uint32_t>(key.size() + tail.size()), static_cast<uint32_t>(position)});
  sorted_ = false;
}

void RowList::Finish() const {
  if (sorted_) return;
  // Keys of digits, spaces and capitals sort the same by their bytes, which
  // is several times quicker than the case-folding comparison.
  if (SortsAsBytes(text_)) {
    std::sort(entries_.begin(), entries_.end(),
              [this](const Entry& a, const Entry& b) { return Text(a) < Text(b); });
  } else {
    std::sort(entries_.begin(), entries_.end(),
              [this](const Entry& a, const Entry& b) { return CompareText(Text(a), Text(b)) < 0; });
  }
  // CompareText finds lines equal only when their bytes are.
  entries_.erase(std::unique(entries_.begin(), entries_.end(),
                             [this](const Entry& a, const Entry& b) { return Text(a) == Text(b); }),
                 entries_.end());
  sorted_ = true;
}

std::string_view RowList::Line(int i) const {
  Finish();
  return Text(entries_.at(static_cast<size_t>(i)));
}

size_t RowList::Position(int i) const {
  Finish();
  return entries_.at(static_cast<size_t>(i)).position;
}

std::vector<std::string> RowList::Lines() const {
  Finish();
  std::vector<std::string> lines;
  lines.reserve(entries_.size());
  for (const Entry& e : entries_) lines.emplace_back(Text(e));
  return lines;
}

}  // namespace scv
