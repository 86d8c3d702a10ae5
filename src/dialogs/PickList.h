#pragma once
// The one pick-list driver: choose, add, edit, delete and undelete the items
// of a list of years, leagues, teams, players, fields or umpires.
#include <string>
#include <string_view>

#include "dialogs/ListView.h"
#include "store/ListFile.h"
#include "store/Messages.h"

namespace scv {

class PickList {
 public:
  PickList(ListView& list, NameView& name, Messages& messages, HelpView& help);

  ListView& list;
  NameView& name;
  Messages& messages;
  HelpView& help;
  // The notes window; while it does not exist the Notes button stays disabled.
  NoteOpener* notes = nullptr;

  // Set whenever the last run added, edited, deleted or undeleted a line.
  bool PickChanged = false;

  // Runs the dialog over `lines` (caption already set on the list view) with
  // the caller's current index; returns the chosen index.
  std::string Run(List& lines, const std::string& currentIndex);

  // The list box line of a record line with index `index`: a space, the
  // number right-aligned in 5, two spaces, the name, spaces up to 69
  // characters, then the index.
  static std::string DisplayLine(const std::string& recordLine, size_t index);
  // The parts of a display line: number (characters 2 to 6) and name
  // (characters 9 to 48), both trimmed, and the index (from character 70).
  static std::string DisplayNo(std::string_view displayLine);
  static std::string DisplayName(std::string_view displayLine);
  static std::string DisplayIndex(std::string_view displayLine);
  // Typed text made safe for a record field: "|" would split the field and
  // a line break would split the line, so both are dropped.
  static std::string FieldText(std::string_view typed);

  // The Help button of the list dialog.
  void HelpButtonClick();
};

}  // namespace scv
