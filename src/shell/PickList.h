#pragma once
// The one pick-list driver: choose, add, edit, delete and undelete the items
// of a list of years, leagues, teams, players, fields or umpires.
#include <string>

#include "shell/ListView.h"
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
  NoteOpener* notes = nullptr;

  // Set whenever the last run added, edited, deleted or undeleted a line.
  bool PickChanged = false;

  // Runs the dialog over `lines` (caption already set on the list view) with
  // the caller's current index; returns the chosen index.
  std::string Run(List& lines, const std::string& currentIndex);

  // The list box line of a record line with index `index`.
  static std::string DisplayLine(const std::string& recordLine, size_t index);
  // The Help button of the list dialog.
  void HelpButtonClick();
};

}  // namespace scv
