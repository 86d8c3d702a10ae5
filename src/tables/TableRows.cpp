#include "tables/TableRows.h"

#include <algorithm>
#include <charconv>

#include "store/DataStore.h"
#include "store/Records.h"

namespace scv {

namespace {
constexpr size_t kMaxCellText = 40;
}

void CellPlacer::Put(std::string_view a, std::string_view b) {
  if (Wanted() && next_ < cells_.size()) {
    a = a.substr(0, kMaxCellText);
    b = b.substr(0, kMaxCellText - a.size());
    // One copy into the cell's own room (kept from the row read before).
    std::string& cell = cells_[next_];
    cell.resize(a.size() + b.size());
    std::copy(a.begin(), a.end(), cell.begin());
    std::copy(b.begin(), b.end(), cell.begin() + static_cast<std::ptrdiff_t>(a.size()));
    ++next_;
  }
  ++logical_;
}

TableRows::TableRows(const List& list, const std::string& listKey, std::vector<char> shown,
                     std::vector<uint32_t> positions)
    : list_(list),
      liveKey_(listKey),
      key_(listKey),
      shown_(std::move(shown)),
      positions_(std::move(positions)) {}

void TableRows::FormatRow(int row, std::vector<std::string>& cells) const {
  if (cells.empty() || row < 1 || positions_.empty()) return;
  // Rows past the records' carry the last record's key.
  const uint32_t position = positions_[static_cast<size_t>(std::min(row, Count()) - 1)];
  char digits[16];
  cells[0].assign(digits,
                  static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, position).ptr - digits));
  CellPlacer placer(shown_, cells);
  if (row > Count()) {
    FormatExtra(row, placer);
    return;
  }
  if (liveKey_ != key_ || position >= list_.size()) return;
  FormatRecord(row, list_[position], placer);
}

NameTable::NameTable(const List& list) {
  entries_.reserve(std::max<size_t>(list.size(), 1));
  const auto span = [this](std::string_view part) {
    const Span s{static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(part.size())};
    text_.append(part);
    return s;
  };
  // Line 0 is the header; a missing one reads like an empty record.
  if (list.empty()) entries_.push_back({span(""), span("")});
  for (const std::string& line : list) {
    const NamedView v = ViewNamed(line);
    entries_.push_back({span(v.No), span(v.Name)});
  }
}

size_t NameTable::Find(std::string_view indexText) const {
  return static_cast<size_t>(DataStore::RecordIndex(indexText, entries_.size()));
}

}  // namespace scv
