#pragma once
// Scripted stand-ins for the notes window, its printer and the game-note
// dialog. While the notes window is "open" (Exec), the next scripted step
// acts as the user: it types, clicks and closes through the presenter.
#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "notes/NoteViews.h"
#include "support/FakeViews.h"

namespace scv::test {

class FakeNoteView : public NoteView {
 public:
  std::deque<std::function<void(FakeNoteView&)>> script;
  QString caption, text;
  bool modified = false;
  int caret = -1;  // 0 at the start, 1 at the end
  int focusMemo = 0, cuts = 0, copies = 0, pastes = 0, execs = 0;
  // What the window showed when it opened, at every Exec.
  std::vector<QString> captionsAtExec, textsAtExec;

  // The user types: the text changes and the memo counts as modified.
  void Type(const QString& more) {
    text += more;
    modified = true;
  }

  void SetCaption(const QString& c) override { caption = c; }
  QString Caption() const override { return caption; }
  void SetText(const QString& t) override { text = t; }
  QString Text() const override { return text; }
  void SetModified(bool m) override { modified = m; }
  bool Modified() const override { return modified; }
  void CaretToStart() override { caret = 0; }
  void CaretToEnd() override { caret = 1; }
  void FocusMemo() override { ++focusMemo; }
  void CutSelection() override { ++cuts; }
  void CopySelection() override { ++copies; }
  void PasteClipboard() override { ++pastes; }
  void Exec() override {
    ++execs;
    captionsAtExec.push_back(caption);
    textsAtExec.push_back(text);
    if (script.empty()) return;
    auto step = std::move(script.front());
    script.pop_front();
    step(*this);
  }
};

class FakeNotePrinter : public NotePrinter {
 public:
  std::deque<bool> choices;  // answers of the print dialog; cancelled when used up
  bool fails = false;
  int dialogs = 0;
  std::vector<QStringList> printed;

  bool ChoosePrinter() override {
    ++dialogs;
    if (choices.empty()) return false;
    const bool ok = choices.front();
    choices.pop_front();
    return ok;
  }
  bool PrintLines(const QStringList& lines, QString& error) override {
    if (fails) {
      error = QStringLiteral("out of paper");
      return false;
    }
    printed.push_back(lines);
    return true;
  }
};

class FakeRadioNoteView : public RadioNoteView {
 public:
  std::deque<std::pair<bool, Item>> script;  // OK or not, with the item chosen
  std::array<std::string, ItemCount> labels;
  Item selected = Field;
  int execs = 0, focusGroup = 0, focusOk = 0;

  void SetLabel(Item item, const std::string& text) override { labels.at(static_cast<size_t>(item)) = text; }
  Item SelectedItem() const override { return selected; }
  void FocusRadioGroup() override { ++focusGroup; }
  void FocusOkButton() override { ++focusOk; }
  bool Exec() override {
    ++execs;
    if (script.empty()) return false;
    auto [ok, item] = script.front();
    script.pop_front();
    selected = item;
    return ok;
  }
};

// Message boxes that keep the errors with a Cancel button apart.
class NoteMessages : public FakeMessages {
 public:
  std::vector<QString> cancelErrors;
  void ErrorCancel(const QString& t) override { cancelErrors.push_back(t); }
};

}  // namespace scv::test
