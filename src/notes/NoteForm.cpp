#include "notes/NoteForm.h"

#include <QDir>
#include <QFileInfo>

#include "dialogs/ListView.h"
#include "notes/NoteFile.h"
#include "store/ListFile.h"
#include "store/Messages.h"
#include "store/Text.h"

namespace scv {

NoteFormPresenter::NoteFormPresenter(NoteView& view_, NotePrinter& printer_, Messages& messages_,
                                     HelpView& help_)
    : view(view_), printer(printer_), messages(messages_), help(help_) {}

bool NoteFormPresenter::Open(const QString& path, const List& firstLines) {
  const QString caption = QDir::toNativeSeparators(path);
  view.SetCaption(caption);

  const QFileInfo info(path);
  haveSaved_ = false;
  if (info.exists()) {
    if (info.size() > kMaxNoteSize) {
      messages.ErrorCancel(QStringLiteral("Maximum Note Size is 32K - ") + caption);
      return false;
    }
    std::string bytes;
    QString error;
    if (ReadFileBytes(path, bytes, error) == ReadResult::Failed) {
      messages.Error(QStringLiteral("Could not read %1: %2").arg(caption, error));
      return false;
    }
    savedLines_ = SplitLines(bytes);
    savedBytes_ = std::move(bytes);
    haveSaved_ = true;
    view.SetText(NoteText(savedLines_));
    view.CaretToStart();
  } else {
    // Typing goes on below the two first lines.
    view.SetText(NoteText(firstLines));
    view.CaretToEnd();
  }
  view.SetModified(false);
  view.FocusMemo();
  view.Exec();
  return true;
}

bool NoteFormPresenter::Save() {
  const QString path = view.Caption();
  const QString text = view.Text();
  // The file holds 8-bit characters only: the user decides what becomes of
  // the others before anything is written.
  if (const QStringList refused = Unencodable(text); !refused.isEmpty()) {
    if (!messages.Confirm(QStringLiteral("These characters cannot be kept in a note: %1\n"
                                         "Save with \"?\" in their place?")
                              .arg(refused.join(QLatin1Char(' '))))) {
      view.FocusMemo();
      return false;
    }
  }
  const List lines = NoteLines(text);
  const std::string bytes = haveSaved_ && lines == savedLines_ ? savedBytes_ : JoinLines(lines);
  if (static_cast<int64_t>(bytes.size()) > kMaxNoteSize) {
    // A larger file could not be opened again.
    messages.ErrorCancel(QStringLiteral("Maximum Note Size is 32K - ") + path);
    view.FocusMemo();
    return false;
  }
  QString error;
  if (!WriteFileBytes(path, bytes, error)) {  // the same safe save as the lists
    messages.Error(QStringLiteral("Could not save %1: %2").arg(path, error));
    view.FocusMemo();
    return false;
  }
  savedLines_ = lines;
  savedBytes_ = bytes;
  haveSaved_ = true;
  view.SetModified(false);
  view.FocusMemo();
  return true;
}

void NoteFormPresenter::SaveButtonClick() { Save(); }

void NoteFormPresenter::CutButtonClick() {
  view.CutSelection();
  view.FocusMemo();
}

void NoteFormPresenter::CopyButtonClick() {
  view.CopySelection();
  view.FocusMemo();
}

void NoteFormPresenter::PasteButtonClick() {
  view.PasteClipboard();
  view.FocusMemo();
}

void NoteFormPresenter::PrintButtonClick() {
  if (printer.ChoosePrinter()) {
    QString error;
    if (!printer.PrintLines(NoteTextLines(view.Text()), error))
      messages.Error(QStringLiteral("Could not print %1: %2").arg(view.Caption(), error));
  }
  view.FocusMemo();
}

void NoteFormPresenter::HelpButtonClick() {
  help.OpenHelp(QStringLiteral("Note_Window"));
  view.FocusMemo();
}

bool NoteFormPresenter::FormCloseQuery() {
  if (!view.Modified()) return true;
  switch (messages.ConfirmYesNoCancel(QStringLiteral("Save ") + view.Caption())) {
    case Messages::Answer::Yes:
      // A note that could not be saved keeps its window, and its text.
      return Save();
    case Messages::Answer::No:
      return true;
    default:
      view.FocusMemo();
      return false;
  }
}

}  // namespace scv
