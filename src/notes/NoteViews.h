#pragma once
// The notes window (TNoteForm), its printer and the game-note choice
// (TRadioNoteForm) as the notes presenters see them.
#include <string>

#include <QString>
#include <QStringList>

namespace scv {

class NoteView {
 public:
  virtual ~NoteView() = default;
  // The window's caption: the note file's full path, kept nowhere else while
  // the window is open.
  virtual void SetCaption(const QString& caption) = 0;
  virtual QString Caption() const = 0;
  // The memo's whole text, lines separated by "\n".
  virtual void SetText(const QString& text) = 0;
  virtual QString Text() const = 0;
  virtual void SetModified(bool modified) = 0;
  virtual bool Modified() const = 0;
  virtual void CaretToStart() = 0;
  virtual void CaretToEnd() = 0;
  virtual void FocusMemo() = 0;
  // The memo's own clipboard operations on the selected text.
  virtual void CutSelection() = 0;
  virtual void CopySelection() = 0;
  virtual void PasteClipboard() = 0;
  // Shows the window modally; returns when it has closed (the close check
  // has allowed it).
  virtual void Exec() = 0;
};

// Plain line-by-line printing of a note.
class NotePrinter {
 public:
  virtual ~NotePrinter() = default;
  // The print dialog (printer and options); false when the user cancels.
  virtual bool ChoosePrinter() = 0;
  // Prints one line per entry on the printer chosen last, running on to
  // further pages. On failure, error holds the reason.
  virtual bool PrintLines(const QStringList& lines, QString& error) = 0;
};

class RadioNoteView {
 public:
  enum Item { Field, Game, HomeTeam, AwayTeam, Umpire1, Umpire2, Umpire3, Umpire4, ItemCount };
  virtual ~RadioNoteView() = default;
  // The labels FNote, GNote, HNote, ANote, U1Note .. U4Note (Windows-1252).
  virtual void SetLabel(Item item, const std::string& text) = 0;
  // The item chosen; it stays chosen from one use to the next.
  virtual Item SelectedItem() const = 0;
  virtual void FocusRadioGroup() = 0;
  virtual void FocusOkButton() = 0;
  virtual bool Exec() = 0;  // true for OK
};

}  // namespace scv
