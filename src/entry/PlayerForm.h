#pragma once
// The player statistics dialog's behaviour: one game's figures added to the
// current player's season totals (or the totals corrected directly), and the
// captions of the league's four user statistics.
#include <array>
#include <string>

#include "entry/EntryViews.h"
#include "store/Records.h"

namespace scv {

class DataStore;
class Messages;
class Tables;

// The groups of the dialog, side by side from left to right.
enum class FigureGroup { Offense, Pitching, Defense, User, Plain };
// Group captions; the plain group (BO and Pos, not summed) has none.
const char* FigureGroupCaption(FigureGroup group);

struct FigureLabel {
  int figure;          // Fig:: index
  const char* abbrev;  // as in FigureAbbrev; the edits are "Add" + abbrev and "Edit" + abbrev
  const char* label;   // null for C1 to C4: the league's caption edit (User1..User4) stands there
  FigureGroup group;
  int maxLength;       // characters the edits take
  bool summed;         // false for BO and Pos: one edit, text kept as typed
};

// Every figure of the dialog, group by group, each group top to bottom.
extern const std::array<FigureLabel, Fig::Count> PlayerFormFigures;

class PlayerFormPresenter {
 public:
  PlayerFormPresenter(DataStore& store, PlayerFormView& view, Messages& messages, Tables& tables);

  DataStore& store;
  PlayerFormView& view;
  Messages& messages;
  Tables& tables;

  // Opens the dialog over the current player and league. On OK the new
  // totals are stored and written back, the cached player figures are
  // dropped, and the table is refreshed (its headers rebuilt when a user
  // caption changed); returns true then. Cancel changes nothing. A total that
  // would not fit its 4-character field is refused with an error box, nothing
  // is stored, and the dialog opens again with what was typed.
  bool Run();
};

}  // namespace scv
