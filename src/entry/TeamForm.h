#pragma once
// The team record dialog's behaviour: one game's result (won, lost, tied or
// did not play) added to the current team's season counts, or the counts
// corrected directly.
#include <cstdint>
#include <string>

#include <QString>

#include "entry/EntryViews.h"

namespace scv {

class DataStore;
class Messages;
class Tables;

// The text a count takes in its field, or false when it needs more than the
// field's 4 characters (above 9999 or below -999).
bool FitsFigureField(int64_t n);

// Why a total cannot be stored (it does not fit its field, or it is below 0
// and would upset every figure derived from it), naming the figure; an empty
// text when it can.
QString TotalRefusal(const char* figure, int64_t total);

class TeamFormPresenter {
 public:
  TeamFormPresenter(DataStore& store, TeamFormView& view, Messages& messages, Tables& tables);

  DataStore& store;
  TeamFormView& view;
  Messages& messages;
  Tables& tables;

  // Opens the dialog over the current team. On OK the counts are stored in
  // the team record, written back into the team list and the table is
  // refreshed; returns true then. Cancel changes nothing and returns false.
  // A count that would not fit its field or would be negative is refused
  // with an error box and the dialog opens again with what was typed.
  bool Run();
};

}  // namespace scv
