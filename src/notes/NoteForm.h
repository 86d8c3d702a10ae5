#pragma once
// The notes window's behaviour: a note file opened into the memo, saved
// back, printed, and the question on closing with unsaved changes. The
// window reads and writes its file directly, not through the lists.
#include <string>

#include <QString>

#include "notes/NoteViews.h"
#include "store/ListFile.h"

namespace scv {

class HelpView;
class Messages;

class NoteFormPresenter {
 public:
  NoteFormPresenter(NoteView& view, NotePrinter& printer, Messages& messages, HelpView& help);

  NoteView& view;
  NotePrinter& printer;
  Messages& messages;
  HelpView& help;

  // Shows the note at path modally. An existing file is loaded (caret at the
  // start); one larger than 32600 bytes, or one that cannot be read, is
  // refused with an error box and the window is not shown (returns false).
  // A note that does not exist yet starts with firstLines; nothing is
  // written until Save.
  bool Open(const QString& path, const List& firstLines);

  // Writes the memo to the file the caption names. Characters the file cannot
  // hold are named first, and saved as "?" only when the user agrees (no:
  // nothing is written, returns false). A failed save leaves the
  // old file as it was, reports the file and the reason, and keeps the memo
  // and its modified mark; returns false then. A note that would be larger
  // than a note may be when it is opened is not written either.
  bool Save();

  void SaveButtonClick();
  void CutButtonClick();
  void CopyButtonClick();
  void PasteButtonClick();
  void PrintButtonClick();
  void HelpButtonClick();
  // Exit, the close box and Esc: true when the window may close.
  bool FormCloseQuery();

 private:
  // The note as it was read (or last saved): its lines and its bytes. A note
  // saved with the same lines is written back byte for byte, line ends and
  // all.
  List savedLines_;
  std::string savedBytes_;
  bool haveSaved_ = false;
};

}  // namespace scv
