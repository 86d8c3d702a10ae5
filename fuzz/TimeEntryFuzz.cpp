// The time-entry list of a league as the input gives its times file, shown
// in the field-time window for one field: every row selected, times added,
// changed and deleted from boxes the input fills. The list stays sorted
// without repeats and is saved as it is in memory.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "schedule/FieldTimes.h"
#include "store/DataStore.h"
#include "store/Text.h"
#include "support/FakeViews.h"
#include "support/FieldTimeFakes.h"

using scv::fuzz::Check;

namespace {

void CheckSorted(const scv::List& times) {
  Check(std::adjacent_find(times.begin(), times.end(), [](const std::string& a, const std::string& b) {
          return a == b || scv::CompareText(a, b) > 0;
        }) == times.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scv;
  // The times file, the field, the eight boxes, and a byte of choices:
  // am/pm, single or every, the weekday.
  const auto parts = fuzz::Parts(data, size, 11);
  auto& dir = fuzz::EmptyDir();
  fuzz::Put(dir, "Baseball.Years", "Y|0||1||||\r\n|2024|Season|1|\r\n");
  fuzz::Put(dir, "Y1.Leagues", "L|\r\n|1|Majors|||\r\n");
  fuzz::Put(dir, "Y1L1.Times", parts[0]);
  test::FakeMessages messages;
  DataStore store(dir.Dir(), &messages);
  Check(store.LoadYears() && store.LoadGames() && store.LoadTimes());
  CheckSorted(store.Times);

  test::FakeMakeFormView view;
  MakeFormPresenter form(store, view, messages);
  form.CurrentField = parts[1].substr(0, Width::Index);
  form.Refresh();
  for (int row = 1; row <= form.ShownCount; ++row) form.MakeGridSelectCell(4, row);
  for (size_t box = 0; box < MakeFormView::BoxCount; ++box) view.text[box] = parts[2 + box];
  const unsigned char choices = parts[10].empty() ? 0 : static_cast<unsigned char>(parts[10][0]);
  view.pm = choices & 1;
  view.every = choices & 2;
  view.weekday = (choices >> 2) % 7;
  form.RadioClick();
  form.AddButtonClick();
  CheckSorted(store.Times);
  if (form.ShownCount > 0) form.MakeGridSelectCell(4, 1);
  form.ChangeButtonClick();
  CheckSorted(store.Times);
  messages.confirmAnswers.push_back(true);
  form.DeleteButtonClick();
  CheckSorted(store.Times);

  if (!store.SaveAll()) return 0;
  DataStore again(dir.Dir());
  Check(again.LoadYears() && again.LoadGames() && again.LoadTimes() && again.Times == store.Times);
  return 0;
}
