// A QKT file the input gives, with one note file beside it and the years
// file of the data directory it is imported into: the file read by the INI
// reader and every key looked up, then the whole import run; every list it
// wrote reads back as it was in memory.
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "import/IniFile.h"
#include "import/QktImport.h"
#include "store/DataStore.h"
#include "support/FakeViews.h"
#include "tables/Tables.h"

using scv::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scv;
  const auto parts = fuzz::Parts(data, size, 3);

  IniFile ini;
  ini.Parse(parts[0]);
  const auto& names = ini.SectionNames();
  for (size_t s = 0; s < names.size(); ++s) {
    Check(ini.Section(names[s]) == static_cast<int>(s));
    ini.ForEachKey(static_cast<int>(s), [&](uint32_t tag, std::string_view key, std::string_view) {
      Check(tag == IniFile::Tag(key));
      ini.Value(static_cast<int>(s), key);
      ini.Count(static_cast<int>(s), key);
    });
  }

  auto& qkt = fuzz::EmptyDir(0);
  auto& dir = fuzz::EmptyDir(1);
  fuzz::Put(qkt, "League.QKT", parts[0]);
  fuzz::Put(qkt, "N.QKN", parts[1]);
  if (!parts[2].empty()) fuzz::Put(dir, "Baseball.Years", parts[2]);
  test::FakeMessages messages;
  NullProgress progress;
  DataStore store(dir.Dir(), &messages);
  store.LoadYears();
  if (ImportQkt(store, qkt.Path("League.QKT"), messages, progress) == ImportResult::Refused) return 0;
  if (!store.SaveAll()) return 0;
  DataStore again(dir.Dir());
  Check(again.LoadYears() && again.Years == store.Years);
  return 0;
}
