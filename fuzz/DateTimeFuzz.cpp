// The date and time boxes of the game and field-time windows read as the
// input fills them: what reads as a date or time is stored in its fixed
// width and fills the boxes back with the same date or time.
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "schedule/BoxDateTime.h"

using scv::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scv;
  // year, month, day, hour, minute; the first byte of the sixth part is the
  // am/pm choice and the current year's century.
  const auto parts = fuzz::Parts(data, size, 6);
  const unsigned char flags = parts[5].empty() ? 0 : static_cast<unsigned char>(parts[5][0]);
  const int currentYear = 1900 + (flags >> 1) * 10;
  if (const auto date = ReadBoxDate(parts[0], parts[1], parts[2], currentYear)) {
    Check(date->isValid() && StoredDate(*date).size() == 8);
    const DateBoxes boxes = ToDateBoxes(*date);
    Check(ReadBoxDate(boxes.year, boxes.month, boxes.day, currentYear) == date);
  }
  if (const auto time = ReadBoxTime(parts[3], parts[4], flags & 1)) {
    Check(time->isValid() && StoredTime(*time).size() == 4 && time->second() == 0);
    const TimeBoxes boxes = ToTimeBoxes(*time);
    Check(ReadBoxTime(boxes.hour, boxes.minute, boxes.pm) == time);
  }
  return 0;
}
