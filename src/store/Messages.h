#pragma once
// Every message box of the program goes through this interface, so the window
// shows real boxes, the command line prints them and tests script the answers.
#include <QString>

namespace scv {

class Messages {
 public:
  enum class Answer { Yes, No, All, Cancel };
  virtual ~Messages() = default;
  virtual void Error(const QString& text) = 0;
  // An error box whose one button is Cancel (the refusal to open an oversized
  // note); where there is no such box it is an ordinary error.
  virtual void ErrorCancel(const QString& text) { Error(text); }
  virtual void Information(const QString& text) = 0;
  // A warning box with an OK button; where there is no such box it is an
  // ordinary error.
  virtual void Warning(const QString& text) { Error(text); }
  // Yes/No confirmation; true for Yes.
  virtual bool Confirm(const QString& text) = 0;
  virtual Answer ConfirmYesNoAll(const QString& text) = 0;
  virtual Answer ConfirmYesNoCancel(const QString& text) = 0;
};

}  // namespace scv
