#pragma once
// Which note is opened: OpenNote for a title and an index (the pick list's
// Notes button and the main window's Notes command), and the Notes command
// itself, by the page the main table shows, with the choice among the
// current game's notes on the schedule page.
#include <functional>
#include <string>
#include <string_view>

#include <QString>

#include "notes/NoteForm.h"
#include "notes/NoteViews.h"
#include "dialogs/ListView.h"

namespace scv {

class DataStore;

class Notes : public NoteOpener {
 public:
  Notes(DataStore& store, NoteFormPresenter& form, RadioNoteView& radio, HelpView& help);

  DataStore& store;
  NoteFormPresenter& form;
  RadioNoteView& radio;
  HelpView& help;
  // The main window's caption as it stands: the first line of a new note.
  std::function<std::string()> MainCaption;

  // The full path of the note a title and index name (the title's first
  // letter is the kind; the key is that of the list in memory); empty when
  // they name none (an empty or invalid index, an unknown letter, the list
  // of that kind not loaded).
  QString NotePath(std::string_view title, std::string_view index) const;

  // Shows the notes window over that note; nothing happens when the title
  // and index name no note.
  void OpenNote(const std::string& title, const std::string& index) override;

  // The main window's Notes command on a page: the current team's note on
  // the Teams page, the current player's on the player pages, one of the
  // current game's notes on the Schedule page.
  void NoteButtonClick(int tab);

  // The game-note dialog's Help button.
  void RadioHelpButtonClick();

  // A game's date and time as the game-note dialog shows them: short
  // weekday, "m-d", " at ", "h:mm" and "am" or "pm" ("Sat 6-15 at 6:30 pm").
  // A part that is not a valid date or time is left out.
  static std::string GameTimeText(std::string_view date, std::string_view time);

 private:
  void GameNotes();
};

}  // namespace scv
