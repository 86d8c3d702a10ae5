// The "Schedule" tab. Until the schedule table is built here it shows the
// header row and one blank row.
#include "tables/Tables.h"

namespace scv {

void Tables::BuildSchedule() { PrepareRows(0); }

}  // namespace scv
