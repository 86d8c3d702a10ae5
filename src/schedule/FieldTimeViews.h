#pragma once
// The two windows of the field times as their presenters see them: the
// field-selection window (TFieldForm) and the field-time window (TMakeForm).
// Both show a grid that their presenter fills (row 0 is the header row);
// texts are Windows-1252 bytes.
#include <string>

namespace scv {

class FieldFormView {
 public:
  virtual ~FieldFormView() = default;
  // The presenter's FieldGrid changed (cells, widths or the focus cell).
  virtual void GridChanged() = 0;
  virtual void FocusGrid() = 0;
  // Shows the window modally; true when it was closed with OK.
  virtual bool Exec() = 0;
  virtual void Close(bool ok) = 0;
};

class MakeFormView {
 public:
  // The edit boxes: starting date and time, ending date.
  enum Box : int { EditSYr, EditSMo, EditSDa, EditSHr, EditSMn, EditEYr, EditEMo, EditEDa, BoxCount };

  virtual ~MakeFormView() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetText(Box box, const std::string& text) = 0;
  virtual std::string Text(Box box) const = 0;
  // "pm", or "am" for false.
  virtual void SetPm(bool pm) = 0;
  virtual bool Pm() const = 0;
  // "Games Every", or "Single Game" for false. Setting it does not run the
  // presenter's RadioClick.
  virtual void SetEvery(bool every) = 0;
  virtual bool Every() const = 0;
  // The weekday box: 0 Sunday .. 6 Saturday.
  virtual void SetWeekday(int day) = 0;
  virtual int Weekday() const = 0;
  // The weekday box and the ending-date boxes.
  virtual void SetEveryEnabled(bool enabled) = 0;
  // Change Time and Delete Time.
  virtual void SetChangeDeleteEnabled(bool enabled) = 0;
  // The presenter's MakeGrid changed (cells, widths or the focus cell).
  virtual void GridChanged() = 0;
  virtual void FocusGrid() = 0;
  virtual void FocusStartYear() = 0;
  // Shows the window modally until Field Done (or Esc).
  virtual void Exec() = 0;
};

}  // namespace scv
