#pragma once
// The schedule's picker: fields, teams and umpires chosen through the one
// pick list into seven pick slots, the working copy of a game's references.
// The game window fills the slots from its game; the schedule's filter picks
// its one team through the home-team slot and its one umpire through the
// umpire-1 slot.
#include <array>
#include <string>

#include "tables/SetupViews.h"

namespace scv {

class DataStore;
class PickList;

class ScheduleListBox : public FilterPicker {
 public:
  enum Slot : int {
    FieldSlot,
    HomeSlot,
    AwaySlot,
    Umpire1Slot,
    Umpire2Slot,
    Umpire3Slot,
    Umpire4Slot,
    SlotCount
  };

  // The lists picked from (Fields, Teams, Umpires) are the current league's,
  // loaded by the schedule table before anyone picks.
  ScheduleListBox(DataStore& store, PickList& pickList);

  DataStore& store;
  PickList& pickList;

  // Record indexes as text (at most 5 characters); empty for none.
  std::array<std::string, SlotCount> Slots;

  // The slot a picker code fills: F the field; H and T the home team; A the
  // away team; U and 1 umpire 1; 2, 3, 4 the other umpires. -1 for any
  // other code.
  static int SlotOf(char code);

  // Runs the pick list for a code (caption "Field", "Team" or "Umpire")
  // starting at the slot's index, marks the list changed when the pick list
  // changed it, reads the chosen record into CurrentField, CurrentTeam or
  // CurrentUmpire and stores its index in the slot. An unknown code does
  // nothing and returns false.
  bool Pick(char code);
  // Whether the last Pick added, edited, deleted or undeleted a record.
  bool PickChanged() const override;

  // The schedule filter's picks: T through the home-team slot, U through
  // the umpire-1 slot.
  std::string PickTeam(const std::string& start) override;
  std::string PickUmpire(const std::string& start) override;
};

}  // namespace scv
