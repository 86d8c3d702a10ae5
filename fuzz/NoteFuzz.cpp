// A note file the input gives, opened in the notes window: saved unchanged
// it is the same bytes; with a line typed below it, its lines as read and
// the new one; printed, its lines as shown.
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "notes/NoteFakes.h"
#include "notes/NoteFile.h"
#include "notes/NoteForm.h"

using scv::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scv;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  auto& dir = fuzz::EmptyDir();
  fuzz::Put(dir, "Y1L1T1.Notes", bytes);
  test::FakeNoteView view;
  test::FakeNotePrinter printer;
  test::NoteMessages messages;
  test::FakeHelpView help;
  NoteFormPresenter form(view, printer, messages, help);
  view.script.push_back([&](test::FakeNoteView& v) {
    v.modified = true;
    Check(form.Save() && dir.Read("Y1L1T1.Notes") == bytes);
    printer.choices.push_back(true);
    form.PrintButtonClick();
    Check(printer.printed.size() == 1 && printer.printed[0] == NoteTextLines(v.text));
    v.Type(QStringLiteral("typed"));
    const std::string expected = JoinLines(SplitLines(bytes)) + "typed\r\n";
    const bool saved = form.Save();
    Check(saved == (static_cast<int64_t>(expected.size()) <= kMaxNoteSize));
    if (saved) Check(dir.Read("Y1L1T1.Notes") == expected);
  });
  const bool opened = form.Open(dir.Path("Y1L1T1.Notes"), {});
  Check(opened == (static_cast<int64_t>(size) <= kMaxNoteSize));
  return 0;
}
