#pragma once
// The pick-list dialog (TListForm) and the name dialog (TNameForm) as the
// presenter sees them.
#include <string>
#include <vector>

#include <QString>

namespace scv {

enum PickResult : int {
  PickNone = 0, PickOk = 1, PickCancel = 2, PickNotes = 3, PickUndelete = 4, PickEdit = 5,
  PickNew = 6, PickDelete = 7
};

class ListView {
 public:
  enum Button { HelpButton, NoteButton, DeleteButton, UndeleteButton, OkButton, NewButton, EditButton, CancelButton };
  virtual ~ListView() = default;
  virtual void SetCaption(const QString& caption) = 0;
  virtual QString Caption() const = 0;
  virtual void SetButtonEnabled(Button button, bool enabled) = 0;
  // Display lines (Windows-1252 bytes) in the order shown.
  virtual void SetItems(const std::vector<std::string>& lines) = 0;
  virtual void SetCurrentItem(int row) = 0;
  virtual int CurrentItem() const = 0;
  // Shows the dialog modally and returns the result that closed it.
  virtual int Exec() = 0;
};

class NameView {
 public:
  virtual ~NameView() = default;
  virtual void SetCaption(const QString& caption) = 0;
  virtual void SetNo(const std::string& text) = 0;  // bytes
  virtual void SetName(const std::string& text) = 0;
  virtual std::string No() const = 0;
  virtual std::string Name() const = 0;
  virtual void FocusNo() = 0;
  // true for OK.
  virtual bool Exec() = 0;
};

// Opens the notes window of a record.
class NoteOpener {
 public:
  virtual ~NoteOpener() = default;
  virtual void OpenNote(const std::string& title, const std::string& index) = 0;
};

class HelpView {
 public:
  virtual ~HelpView() = default;
  virtual void OpenHelp(const QString& topic) = 0;
};

}  // namespace scv
