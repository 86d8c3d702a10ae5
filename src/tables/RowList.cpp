#include "tables/RowList.h"

#include <algorithm>

#include "store/Text.h"

namespace scv {

void RowList::Finish() const {
  if (sorted_) return;
  std::sort(lines_.begin(), lines_.end(), TextLess());
  auto last = std::unique(lines_.begin(), lines_.end(), [](const std::string& a, const std::string& b) {
    return CompareText(a, b) == 0;
  });
  lines_.erase(last, lines_.end());
  sorted_ = true;
}

}  // namespace scv
