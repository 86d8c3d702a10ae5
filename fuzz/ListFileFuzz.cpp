// A years file and a leagues file as the input gives them: read, the
// current league read with its display defaults, every league record read,
// one changed and saved; the files read again hold what was in memory.
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "store/DataStore.h"
#include "store/Text.h"

using scv::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scv;
  const auto parts = fuzz::Parts(data, size, 2);
  Check(SplitLines(JoinLines(SplitLines(parts[1]))) == SplitLines(parts[1]));
  auto& dir = fuzz::EmptyDir();
  fuzz::Put(dir, "Baseball.Years", parts[0]);
  // The leagues file of the year the years file names as current.
  const List years = SplitLines(parts[0]);
  const std::string current = years.empty() ? "" : ParseYearsHeader(years[0]).CurYear;
  fuzz::Put(dir, "Y" + FigureText(ParseFigure(current)) + ".Leagues", parts[1]);

  DataStore store(dir.Dir());
  Check(store.LoadYears());
  if (!store.LoadLeagues()) return 0;
  for (size_t i = 0; i < store.Leagues.size(); ++i) {
    store.ReadLeague(static_cast<int64_t>(i));
    Check(store.CurrentLeague.ColumnFlags.size() == Width::ColumnFlags);
  }
  store.ReadLeague(store.CurrentYear.CurLeague);
  store.CurrentLeague.Name = "Changed";
  store.WriteLeague();
  store.YearsHeader.CurTab = "3";
  store.WriteYearsHeader();
  if (!store.SaveAll()) return 0;

  DataStore again(dir.Dir());
  Check(again.LoadYears() && again.LoadLeagues());
  Check(again.Years == store.Years && again.Leagues == store.Leagues);
  return 0;
}
