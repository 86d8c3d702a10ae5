// The tables at the format's limits: 999 teams, 9,999 players, 99,999 games
// from the benchmarks' generator, every tab and sort order. The expected
// tables in golden/scale.txt were written when every cell of the grid was a
// string of its own; set SCV_WRITE_GOLDEN to a path to write them again
// (only ever needed when the generator changes).
#include <gtest/gtest.h>

#include <QLocale>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "BenchData.h"
#include "tables/Columns.h"
#include "tables/Schedule.h"
#include "tables/TableFixture.h"

namespace scv::test {
namespace {

struct Hash {
  uint64_t value = 1469598103934665603ull;
  void Add(std::string_view bytes, char end) {
    for (char c : bytes) Mix(c);
    Mix(end);
  }
  void Mix(char c) { value = (value ^ static_cast<unsigned char>(c)) * 1099511628211ull; }
  std::string Text() const {
    std::ostringstream out;
    out << std::hex << value;
    return out.str();
  }
};

// What a case is compared by: its size, focus, the order of its records,
// every cell, and three rows written out.
std::string Describe(const Grid& grid, bool cells) {
  Hash order, all;
  for (int r = 0; r < grid.RowCount(); ++r) {
    order.Add(grid.Cell(0, r), '\n');
    if (!cells) continue;
    for (int c = 0; c < grid.ColCount(); ++c) all.Add(grid.Cell(c, r), '\t');
  }
  const auto row = [&grid](int r) {
    std::string text;
    for (int c = 0; c < grid.ColCount(); ++c) text += grid.Cell(c, r) + "|";
    return text;
  };
  const int last = grid.RowCount() - 1;
  std::ostringstream out;
  out << "rows " << grid.RowCount() << " cols " << grid.ColCount() << " focus " << grid.Row << "\n"
      << "order " << order.Text() << "\n"
      << "cells " << (cells ? all.Text() : "-") << "\n"
      << "first " << row(1) << "\n"
      << "middle " << row(std::max(1, last / 2)) << "\n"
      << "last " << row(last) << "\n";
  return out.str();
}

std::map<std::string, std::string> ReadGolden(const std::string& path) {
  std::map<std::string, std::string> cases;
  std::ifstream in(path, std::ios::binary);
  std::string line, name;
  while (std::getline(in, line)) {
    if (line.rfind("case ", 0) == 0)
      name = line.substr(5);
    else
      cases[name] += line + "\n";
  }
  return cases;
}

class ScaleTest : public TableTest {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale::c()); }

  void Open(const bench::LeagueSize& size) {
    tables.reset();
    ASSERT_TRUE(bench::WriteLeague(data.Dir().toStdString(), size));
    TableTest::Open();
  }
  void Check(const std::string& name, bool cells = true) {
    const std::string got = Describe(grid, cells);
    if (const char* path = std::getenv("SCV_WRITE_GOLDEN")) {
      std::ofstream(path, std::ios::app | std::ios::binary) << "case " << name << "\n" << got;
      return;
    }
    static const auto golden = ReadGolden(SCV_SOURCE_DIR "/tests/tables/golden/scale.txt");
    const auto it = golden.find(name);
    ASSERT_NE(it, golden.end()) << name;
    EXPECT_EQ(got, it->second) << name;
  }
};

TEST_F(ScaleTest, StandingsOf999Teams) {
  bench::LeagueSize size;
  size.teams = 999;
  Open(size);
  Show(TeamsTab);
  Check("standings");
  EXPECT_EQ(store->CurrentLeague.CurTeam, grid.Cell(0, grid.Row));
}

TEST_F(ScaleTest, PlayerTabsOf9999Players) {
  bench::LeagueSize size;
  size.players = 9999;
  Open(size);
  for (int tab = PlayersTab; tab <= CustomTab; ++tab) {
    Show(tab);
    Check("players tab " + std::to_string(tab));
  }
  // Every column shown, then every sort column both ways: the cells do not
  // depend on the order, only the rows' order does (and the Seq column).
  store->CurrentLeague.ColumnFlags = std::string(PlayerColumnCount, '\xBF');
  Show(PlayersTab);
  Check("players all columns");
  for (int k = 1; k <= PlayerColumnCount; ++k)
    for (bool descending : {false, true}) {
      SetPlayerSort(store->CurrentLeague, PlayersTab, k, descending);
      tables->ShowTable();
      Check("players sort " + std::to_string(k) + (descending ? " down" : " up"), false);
    }
  EXPECT_EQ(store->CurrentTeam.CurPlayer, grid.Cell(0, grid.Row));
}

TEST_F(ScaleTest, ScheduleOf99999Games) {
  Open(bench::ScheduleLeague(99999));
  Show(ScheduleTab);
  Check("schedule");
  for (int choice = 0; choice < ScheduleSortCount; ++choice)
    for (bool descending : {false, true}) {
      SetScheduleSort(store->CurrentLeague, choice, descending);
      tables->ShowTable();
      Check("schedule sort " + std::to_string(choice) + (descending ? " down" : " up"), false);
    }
  tables->SetScheduleFilter("7", "");
  tables->ShowTable();
  Check("schedule team 7");
  tables->SetScheduleFilter("", "12");
  tables->ShowTable();
  Check("schedule umpire 12");
  tables->SetScheduleFilter("3", "5");
  tables->ShowTable();
  Check("schedule team 3 umpire 5");
  EXPECT_EQ(store->CurrentLeague.CurGame, grid.Cell(0, grid.Row));

  // The league's own column choice: seven columns.
  tables->ClearScheduleFilter();
  store->CurrentLeague.ScheduleItems = " ****** *";
  store->CurrentLeague.ScheduleItems.resize(20, ' ');
  Show(ScheduleTab);
  Check("schedule default columns");
}

}  // namespace
}  // namespace scv::test
