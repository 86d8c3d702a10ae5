#include "dialogs/PickList.h"

#include <algorithm>
#include <vector>

#include "store/DataStore.h"
#include "store/Records.h"
#include "store/Text.h"

namespace scv {

namespace {

// The number ends at character 6, the name starts at character 9 and the
// index at character 70, beyond the visible width of the list box.
constexpr size_t kNoStart = 1, kNameStart = 8, kIndexStart = 69;
// Indexes have at most 5 digits.
constexpr size_t kMaxRecords = 99999;

std::string MarkOf(const std::string& line) { return LineSplitter(line).SplitField(Width::Mark); }

// Everything after the third "|" of a line: the fields behind the name.
std::string AfterName(const std::string& line) {
  int bars = 0;
  for (size_t i = 0; i < line.size(); ++i)
    if (line[i] == '|' && ++bars == 3) return line.substr(i + 1);
  return std::string();
}

std::string Slice(std::string_view text, size_t from, size_t count = std::string_view::npos) {
  if (from >= text.size()) return std::string();
  return Trim(text.substr(from, count));
}

}  // namespace

PickList::PickList(ListView& list_, NameView& name_, Messages& messages_, HelpView& help_)
    : list(list_), name(name_), messages(messages_), help(help_) {}

std::string PickList::DisplayLine(const std::string& recordLine, size_t index) {
  const NamedRecord record = ParseNamed(recordLine);
  std::string no = record.No;
  if (no.size() > Width::No) no = no.substr(no.size() - Width::No);
  std::string line = " " + std::string(Width::No - no.size(), ' ') + no + "  " + record.Name;
  if (line.size() < kIndexStart) line.resize(kIndexStart, ' ');
  return line + std::to_string(index);
}

std::string PickList::DisplayNo(std::string_view displayLine) { return Slice(displayLine, kNoStart, Width::No); }
std::string PickList::DisplayName(std::string_view displayLine) { return Slice(displayLine, kNameStart, Width::Name); }
std::string PickList::DisplayIndex(std::string_view displayLine) { return Slice(displayLine, kIndexStart); }

std::string PickList::FieldText(std::string_view typed) {
  std::string text;
  text.reserve(typed.size());
  for (char c : typed)
    if (c != '|' && c != '\r' && c != '\n') text.push_back(c);
  return text;
}

std::string PickList::Run(List& lines, const std::string& currentIndex) {
  PickChanged = false;
  const std::string input = Cut(currentIndex, Width::Index);
  std::string chosen = input;
  const QString kindTitle = list.Caption().left(6);
  bool undelete = false;

  for (;;) {
    // 1. Buttons and caption of this pass.
    list.SetButtonEnabled(ListView::UndeleteButton, false);
    list.SetButtonEnabled(ListView::DeleteButton, !undelete);
    list.SetButtonEnabled(ListView::NewButton, !undelete);
    list.SetButtonEnabled(ListView::EditButton, !undelete);
    list.SetButtonEnabled(ListView::NoteButton, notes != nullptr);
    list.SetCaption(undelete ? QStringLiteral("Undelete ") + kindTitle : kindTitle);

    // 2. The items of this mode, in the list box's order.
    std::vector<std::string> items;
    bool anyDeleted = false;
    for (size_t i = 1; i < lines.size(); ++i) {
      const std::string mark = MarkOf(lines[i]);
      if (mark == "X") anyDeleted = true;
      if (undelete ? mark == "X" : mark.empty()) items.push_back(DisplayLine(lines[i], i));
    }
    if (!undelete && anyDeleted) list.SetButtonEnabled(ListView::UndeleteButton, true);
    std::stable_sort(items.begin(), items.end(), TextLess());

    if (undelete && items.empty()) {
      // Nothing left to undelete.
      undelete = false;
      continue;
    }
    // A list whose items are all deleted still shows the dialog, empty, so
    // that they can be undeleted; there is nothing to edit or delete then.
    const bool hasItems = !items.empty();
    const bool showDialog = hasItems || anyDeleted;
    if (!hasItems) {
      list.SetButtonEnabled(ListView::DeleteButton, false);
      list.SetButtonEnabled(ListView::EditButton, false);
      list.SetButtonEnabled(ListView::NoteButton, false);
    }

    // 3. The first item, or the chosen one if it is listed.
    int row = 0;
    const int64_t wanted = ParseFigure(chosen);
    for (size_t r = 0; r < items.size(); ++r) {
      if (wanted > 0 && ParseFigure(DisplayIndex(items[r])) == wanted) {
        row = static_cast<int>(r);
        break;
      }
    }
    list.SetItems(items);
    if (hasItems) list.SetCurrentItem(row);

    // 4. Show the dialog, or go straight to adding into an empty list.
    int result = PickNew;
    std::string no, itemName;
    if (showDialog) result = list.Exec();
    if (hasItems) {
      int selected = list.CurrentItem();
      if (selected < 0 || selected >= static_cast<int>(items.size())) selected = row;
      const std::string& item = items[static_cast<size_t>(selected)];
      no = DisplayNo(item);
      itemName = DisplayName(item);
      chosen = DisplayIndex(item);
    }
    const size_t index = hasItems ? static_cast<size_t>(DataStore::RecordIndex(chosen, lines.size())) : 0;

    // 5. Act on the result.
    switch (result) {
      case PickOk:
        if (!undelete) return chosen;
        if (index > 0 && !lines[index].empty() && lines[index][0] == 'X') {
          lines[index].erase(0, 1);
          PickChanged = true;
        }
        undelete = false;
        break;

      case PickCancel:
        if (undelete) {
          undelete = false;
          break;
        }
        {
          const size_t callers = static_cast<size_t>(DataStore::RecordIndex(input, lines.size()));
          if (callers == 0 || lines[callers].empty() || lines[callers][0] != 'X') chosen = input;
        }
        return chosen;

      case PickNotes:
        if (notes && hasItems) notes->OpenNote(Encode(kindTitle) + ": " + no + " " + itemName, chosen);
        break;

      case PickUndelete:
        if (!undelete) undelete = true;
        break;

      case PickEdit: {
        if (undelete || index == 0) break;
        name.SetCaption(QStringLiteral("Change Baseball ") + list.Caption());
        name.SetNo(no);
        name.SetName(itemName);
        name.FocusNo();
        if (!name.Exec()) break;
        const std::string newNo = Cut(Trim(FieldText(name.No())), Width::No);
        const std::string newName = Cut(Trim(FieldText(name.Name())), Width::Name);
        if ((newNo == no && newName == itemName) || (newNo.empty() && newName.empty())) break;
        lines[index] = "|" + newNo + "|" + newName + "|" + AfterName(lines[index]);
        PickChanged = true;
        break;
      }

      case PickNew: {
        if (undelete) break;
        name.SetCaption(QStringLiteral("Add New Baseball ") + list.Caption());
        name.SetNo(std::string());
        name.SetName(std::string());
        name.FocusNo();
        const bool ok = name.Exec();
        const std::string newNo = Cut(Trim(FieldText(name.No())), Width::No);
        const std::string newName = Cut(Trim(FieldText(name.Name())), Width::Name);
        if (ok && !(newNo.empty() && newName.empty())) {
          if (lines.size() > kMaxRecords) {
            // A sixth digit would not fit where the index is stored.
            messages.Error(QStringLiteral("No more than %1 entries fit in this list.").arg(kMaxRecords));
          } else {
            lines.push_back("|" + newNo + "|" + newName + "|");
            chosen = std::to_string(lines.size() - 1);
            PickChanged = true;
            break;
          }
        }
        if (!showDialog) return chosen;
        break;
      }

      case PickDelete:
        if (undelete || index == 0) break;
        if (messages.Confirm(QStringLiteral("Delete ") + list.Caption() + QStringLiteral(": ") + Decode(no) +
                             QStringLiteral(" ") + Decode(itemName))) {
          lines[index].insert(0, "X");
          PickChanged = true;
          if (items.size() == 1) return chosen;
        }
        break;

      default:
        break;
    }
  }
}

void PickList::HelpButtonClick() {
  const QString caption = list.Caption();
  help.OpenHelp(caption.startsWith(QStringLiteral("Undelete")) ? QStringLiteral("Undelete")
                                                               : caption + QStringLiteral("_Button"));
}

}  // namespace scv
