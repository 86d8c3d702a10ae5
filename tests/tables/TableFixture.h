#pragma once
// A data directory with one year and one league, a data store over it and
// the main tables, for the table tests.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "store/DataStore.h"
#include "support/TempData.h"
#include "tables/Tables.h"

namespace scv::test {

// Each field followed by "|".
inline std::string Line(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& f : fields) line += f + "|";
  return line;
}

struct LeagueSpec {
  std::string name = "Majors", curTeam = "1", curGame, innings;
  std::string sortKeys, sortDown, columnFlags, scheduleItems, standingsItems;
  std::string user1, user2, user3, user4;
};

inline std::string LeagueLine(const LeagueSpec& l) {
  return Line({"", "1", l.name, l.curTeam, l.curGame, l.innings, "", "", "", "", "", l.sortKeys, l.sortDown,
               l.columnFlags, l.scheduleItems, l.standingsItems, l.user1, l.user2, l.user3, l.user4});
}

// A player line with the given figures (Fig:: index -> stored text).
inline std::string PlayerLine(const std::string& no, const std::string& name,
                              const std::map<int, std::string>& figures, const std::string& mark = "") {
  std::vector<std::string> fields = {mark, no, name};
  for (int k = 0; k < Fig::Count; ++k) {
    auto it = figures.find(k);
    fields.push_back(it == figures.end() ? std::string() : it->second);
  }
  return Line(fields);
}

class RecordingHost : public TableHost {
 public:
  std::string caption;
  CommandState commands;
  int gridChanges = 0;
  int focusCalls = 0;
  void SetCaption(const std::string& c) override { caption = c; }
  void SetCommands(const CommandState& s) override { commands = s; }
  void GridChanged() override { ++gridChanges; }
  void FocusGrid() override { ++focusCalls; }
};

class TableTest : public ::testing::Test {
 protected:
  TempData data;
  std::unique_ptr<DataStore> store;
  Grid grid;
  NullProgress progress;
  RecordingHost host;
  std::unique_ptr<Tables> tables;

  // Year 1 ("2024") current, with the one league of Y1.Leagues.
  void WriteLeague(const LeagueSpec& league) {
    data.Write("Baseball.Years", {"Y|0||1||||", "|2024|Season|1|"});
    data.Write("Y1.Leagues", {"L|", LeagueLine(league)});
  }
  void WriteTeams(const std::vector<std::string>& teamLines) {
    std::vector<std::string> lines = {"T|"};
    lines.insert(lines.end(), teamLines.begin(), teamLines.end());
    data.Write("Y1L1.Teams", lines);
  }
  void WritePlayers(int team, const std::vector<std::string>& playerLines) {
    std::vector<std::string> lines = {"P|"};
    lines.insert(lines.end(), playerLines.begin(), playerLines.end());
    data.Write("Y1L1T" + std::to_string(team) + ".Players", lines);
  }
  void Open() {
    tables.reset();  // the tables hand the store's hook back before the store goes
    store = std::make_unique<DataStore>(data.Dir());
    ASSERT_TRUE(store->LoadYears());
    tables = std::make_unique<Tables>(*store, grid, progress, host);
  }
  void Show(int tab) {
    tables->CurrentTab = tab;
    tables->BuildHeaders();
  }

  // The grid column whose header is exactly `header`, or -1.
  int ColumnOf(const std::string& header) const {
    for (int c = 1; c < grid.ColCount(); ++c)
      if (grid.Cell(c, 0) == header) return c;
    return -1;
  }
  std::vector<std::string> Headers() const {
    std::vector<std::string> headers;
    for (int c = 1; c < grid.ColCount(); ++c) headers.push_back(grid.Cell(c, 0));
    return headers;
  }
  // The cells of a column from row 1 down.
  std::vector<std::string> Column(const std::string& header) const {
    std::vector<std::string> cells;
    const int c = ColumnOf(header);
    if (c < 0) return cells;
    for (int r = 1; r < grid.RowCount(); ++r) cells.push_back(grid.Cell(c, r));
    return cells;
  }
  std::vector<std::string> Keys() const {
    std::vector<std::string> keys;
    for (int r = 1; r < grid.RowCount(); ++r) keys.push_back(grid.Cell(0, r));
    return keys;
  }
};

}  // namespace scv::test
