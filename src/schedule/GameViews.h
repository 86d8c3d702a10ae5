#pragma once
// The game window (TGameForm) as its presenter sees it. Texts are
// Windows-1252 bytes.
#include <string>

namespace scv {

// What closed the game window.
enum class GameResult { Cancel, Ok, Add, Delete, ScheduleMade };

class GameFormView {
 public:
  // The edit boxes: date, time, scores.
  enum Box : int { EditYr, EditMo, EditDa, EditHr, EditMn, EditHTS, EditATS, BoxCount };

  virtual ~GameFormView() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetText(Box box, const std::string& text) = 0;
  virtual std::string Text(Box box) const = 0;
  // Checks "pm", or "am" for false.
  virtual void SetPm(bool pm) = 0;
  virtual bool Pm() const = 0;
  // The No and Name labels of a pick row, in ScheduleListBox's slot order.
  virtual void SetRow(int slot, const std::string& no, const std::string& name) = 0;
  virtual void SetMakeEnabled(bool enabled) = 0;
  virtual void FocusYear() = 0;
  virtual void FocusOk() = 0;
  // Shows the window modally; returns the result it was closed with (Esc
  // and the close box give Cancel).
  virtual GameResult Exec() = 0;
  virtual void Close(GameResult result) = 0;
};

}  // namespace scv
