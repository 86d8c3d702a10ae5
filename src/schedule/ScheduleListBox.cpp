#include "schedule/ScheduleListBox.h"

#include "dialogs/PickList.h"
#include "store/DataStore.h"
#include "store/Text.h"

namespace scv {

ScheduleListBox::ScheduleListBox(DataStore& store_, PickList& pickList_)
    : store(store_), pickList(pickList_) {}

int ScheduleListBox::SlotOf(char code) {
  switch (code) {
    case 'F':
      return FieldSlot;
    case 'H':
    case 'T':
      return HomeSlot;
    case 'A':
      return AwaySlot;
    case 'U':
    case '1':
      return Umpire1Slot;
    case '2':
      return Umpire2Slot;
    case '3':
      return Umpire3Slot;
    case '4':
      return Umpire4Slot;
    default:
      return -1;
  }
}

bool ScheduleListBox::Pick(char code) {
  const int slot = SlotOf(code);
  if (slot < 0) return false;
  std::string& index = Slots[static_cast<size_t>(slot)];

  if (slot == FieldSlot) {
    pickList.list.SetCaption(QStringLiteral("Field"));
    index = Cut(pickList.Run(store.Fields, index), Width::Index);
    if (pickList.PickChanged) store.FieldsChanged = true;
    store.ReadField(index);
  } else if (slot == HomeSlot || slot == AwaySlot) {
    pickList.list.SetCaption(QStringLiteral("Team"));
    index = Cut(pickList.Run(store.Teams, index), Width::Index);
    if (pickList.PickChanged) store.TeamsChanged = true;
    store.ReadTeam(index);
  } else {
    pickList.list.SetCaption(QStringLiteral("Umpire"));
    index = Cut(pickList.Run(store.Umpires, index), Width::Index);
    if (pickList.PickChanged) store.UmpiresChanged = true;
    store.ReadUmpire(index);
  }
  return true;
}

bool ScheduleListBox::PickChanged() const { return pickList.PickChanged; }

std::string ScheduleListBox::PickTeam(const std::string& start) {
  Slots[HomeSlot] = Cut(start, Width::Index);
  Pick('T');
  return Slots[HomeSlot];
}

std::string ScheduleListBox::PickUmpire(const std::string& start) {
  Slots[Umpire1Slot] = Cut(start, Width::Index);
  Pick('U');
  return Slots[Umpire1Slot];
}

}  // namespace scv
