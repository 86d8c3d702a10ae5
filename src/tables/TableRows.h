#pragma once
// What a table build hands the grid: the records of its rows, in row order,
// and the means to make a row's cells when the row is read, by PutCell's
// rules. The builders of the standings, player and schedule tables derive
// their row sources from TableRows.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/ListFile.h"
#include "tables/Grid.h"

namespace scv {

// Offers the logical columns of one row in catalogue order, as PutCell does:
// a shown column's text, cut to 40 characters, goes into the next grid
// column; every column offered, shown or not, advances the logical column.
class CellPlacer {
 public:
  // shown[k] for logical column k (index 0 unused); cells[0] is the key.
  CellPlacer(const std::vector<char>& shown, std::vector<std::string>& cells)
      : shown_(shown), cells_(cells) {}
  // Whether the next logical column is shown, so its text is wanted.
  bool Wanted() const { return logical_ < shown_.size() && shown_[logical_]; }
  // Offers the next logical column; its text is a followed by b.
  void Put(std::string_view a, std::string_view b = std::string_view());

 private:
  const std::vector<char>& shown_;
  std::vector<std::string>& cells_;
  size_t logical_ = 1;
  size_t next_ = 1;
};

// The rows of one build: the position of each row's record in its list, the
// shown columns as the league chose them, and the list the records are read
// from when a row is made. A row read after that list was switched for
// another league's or team's (an import running, a list that could not be
// read) shows only its key until the table is built again.
class TableRows : public RowSource {
 public:
  TableRows(const List& list, const std::string& listKey, std::vector<char> shown,
            std::vector<uint32_t> positions);
  void FormatRow(int row, std::vector<std::string>& cells) const override;
  int Count() const { return static_cast<int>(positions_.size()); }
  uint32_t PositionAt(int row) const { return positions_[static_cast<size_t>(row - 1)]; }

 protected:
  // Makes the cells of data row `row` from its record's line.
  virtual void FormatRecord(int row, std::string_view line, CellPlacer& placer) const = 0;
  // Rows past the records' (the player tables' totals); the key is set.
  virtual void FormatExtra(int, CellPlacer&) const {}
  const std::vector<char>& Shown() const { return shown_; }

 private:
  const List& list_;
  const std::string& liveKey_;
  std::string key_;
  std::vector<char> shown_;
  std::vector<uint32_t> positions_;
};

// The numbers and names of a list's records (fields, teams, umpires), read
// once for a build and looked up by the index text a game stores. An index
// that names no record reads the header line's, as ReadField does.
class NameTable {
 public:
  explicit NameTable(const List& list);
  size_t Find(std::string_view indexText) const;
  std::string_view No(size_t i) const { return Part(entries_[i].no); }
  std::string_view Name(size_t i) const { return Part(entries_[i].name); }

 private:
  struct Span {
    uint32_t start;
    uint32_t length;
  };
  struct Entry {
    Span no, name;
  };
  std::string_view Part(Span s) const { return std::string_view(text_).substr(s.start, s.length); }
  std::string text_;
  std::vector<Entry> entries_;
};

}  // namespace scv
