#pragma once
// Data directories as hand edits, cut-off copies and foreign programs leave
// them: a sound league, then each case damages it its own way.
#include <functional>
#include <string>
#include <vector>

#include "support/TempData.h"

namespace scv::test {

struct HostileCase {
  const char* name;
  std::function<void(const TempData&)> damage;
  // Texts (UTF-8) the teams or players table of the current selection shows.
  std::vector<std::string> shown;
};

// A sound league: three teams, two players of the first, two games, two
// fields with times, an umpire and a team note.
void WriteSoundLeague(const TempData& data);
// NUL bytes, 1 MB lines, CR-only ends, no headers, indexes past the end,
// negative and 12-digit numbers, bytes 0x80-0xFF in every field, column flags
// of the wrong length, 99,999 deleted teams, a times file with garbage lines.
const std::vector<HostileCase>& HostileCases();

}  // namespace scv::test
