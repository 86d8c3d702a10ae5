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
  virtual void Information(const QString& text) = 0;
  // Yes/No confirmation; true for Yes.
  virtual bool Confirm(const QString& text) = 0;
  virtual Answer ConfirmYesNoAll(const QString& text) = 0;
  virtual Answer ConfirmYesNoCancel(const QString& text) = 0;
};

}  // namespace scv
