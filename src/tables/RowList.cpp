#include "tables/RowList.h"

#include <algorithm>

#include "store/Text.h"

namespace scv {

void RowList::Finish() const {
  if (sorted_) return;
  SortLines(lines_);
  sorted_ = true;
}

}  // namespace scv
