// The notes window and the game-note dialog over a real data directory,
// opened from the main window's Notes button and the pick list's, driven as
// a user would; the note files are checked byte for byte.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QToolButton>

#include "tables/Tables.h"
#include "ui/AppWindows.h"
#include "ui/UiSupport.h"

namespace scv {
namespace {

using test::Key;
using test::Pump;
using test::ReadFile;
using test::WriteFile;
using test::Type;
using test::WhenModal;

void Start(AppWindows& app) {
  app.Show();
  // The offscreen platform does not give the focus back to the main window
  // when a dialog closes, as a desktop does.
  app.window.activateWindow();
  Pump(30);
}

using test::Shot;

QString NotePath(const QTemporaryDir& tmp, const char* name) {
  return QDir::toNativeSeparators(QDir(tmp.path()).filePath(QString::fromLatin1(name)));
}

TEST(NoteWindowTest, MainNotesButtonWritesTheTeamsNoteAndReopensIt) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  test::WriteLeague(tmp.path());
  AppWindows app(tmp.path());
  Start(app);
  const QString path = NotePath(tmp, "Y1L1T1.Notes");
  ASSERT_TRUE(app.window.Button(Command::Note)->isEnabled());

  QStringList steps;
  // A new note: the window's caption is the file's path, the memo holds the
  // main window's caption and the title; typing goes below them.
  WhenModal<NoteForm>([&](NoteForm* note) {
    steps << QStringLiteral("new");
    EXPECT_EQ(note->windowTitle(), path);
    EXPECT_EQ(note->Memo()->toPlainText(), QStringLiteral("2024 Metro League\nTEAM: Aces\n"));
    EXPECT_FALSE(note->Memo()->document()->isModified());
    EXPECT_EQ(note->focusWidget(), note->Memo());
    const std::pair<NoteForm::Button, const char*> captions[] = {
        {NoteForm::SaveButton, "&Save"},   {NoteForm::CutButton, "Cu&t"},     {NoteForm::CopyButton, "&Copy"},
        {NoteForm::PasteButton, "&Paste"}, {NoteForm::PrintButton, "P&rint"}, {NoteForm::HelpButton, "&Help"},
        {NoteForm::CloseButton, "E&xit"}};
    for (const auto& [button, caption] : captions)
      EXPECT_EQ(note->ButtonWidget(button)->text(), QString::fromLatin1(caption));
    Type(note->Memo(), QStringLiteral("Caf\u00E9 \u20AC5"));
    EXPECT_TRUE(note->Memo()->document()->isModified());
    EXPECT_FALSE(QFile::exists(path));
    note->ButtonWidget(NoteForm::SaveButton)->click();
    EXPECT_FALSE(note->Memo()->document()->isModified());
    EXPECT_EQ(ReadFile(path), QByteArray("2024 Metro League\r\nTEAM: Aces\r\nCaf\xE9 \x80"
                                         "5\r\n"));
    // Saved: Exit closes without asking.
    note->ButtonWidget(NoteForm::CloseButton)->click();
  });
  app.window.Button(Command::Note)->click();
  EXPECT_FALSE(app.note.isVisible());

  // Reopened: the file's lines, the caret at the start. A change asks on
  // closing; Cancel keeps the window and the text, Yes saves and closes.
  WhenModal<NoteForm>([&](NoteForm* note) {
    steps << QStringLiteral("reopened");
    EXPECT_EQ(note->Memo()->toPlainText(),
              QStringLiteral("2024 Metro League\nTEAM: Aces\nCaf\u00E9 \u20AC5\n"));
    EXPECT_EQ(note->Memo()->textCursor().position(), 0);
    Type(note->Memo(), QStringLiteral(">"));
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      steps << QStringLiteral("cancel");
      EXPECT_EQ(box->text(), QStringLiteral("Save ") + path);
      EXPECT_NE(box->button(QMessageBox::Yes), nullptr);
      EXPECT_NE(box->button(QMessageBox::No), nullptr);
      box->button(QMessageBox::Cancel)->click();
    });
    note->ButtonWidget(NoteForm::CloseButton)->click();
    Pump(20);
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->Memo()->toPlainText().startsWith(QStringLiteral(">2024")));
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      steps << QStringLiteral("yes");
      box->button(QMessageBox::Yes)->click();
    });
    // Esc asks as the Exit button does.
    Key(note->Memo(), Qt::Key_Escape);
  });
  app.window.Button(Command::Note)->click();
  EXPECT_EQ(steps, (QStringList{"new", "reopened", "cancel", "yes"}));
  EXPECT_EQ(ReadFile(path), QByteArray(">2024 Metro League\r\nTEAM: Aces\r\nCaf\xE9 \x80"
                                       "5\r\n"));
  EXPECT_FALSE(app.note.isVisible());
}

TEST(NoteWindowTest, PickListNotesButtonOpensTheHighlightedItemsNote) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  test::WriteLeague(tmp.path());
  AppWindows app(tmp.path());
  Start(app);

  QStringList steps;
  WhenModal<ListForm>([&](ListForm* list) {
    steps << QStringLiteral("list");
    ASSERT_TRUE(list->ButtonWidget(ListView::NoteButton)->isEnabled());
    // Highlight Bears, then Notes.
    for (int r = 0; r < list->ListBox()->count(); ++r)
      if (list->ListBox()->item(r)->text().contains(QStringLiteral("Bears")))
        list->ListBox()->setCurrentRow(r);
    WhenModal<NoteForm>([&](NoteForm* note) {
      steps << QStringLiteral("note");
      EXPECT_EQ(note->windowTitle(), NotePath(tmp, "Y1L1T2.Notes"));
      EXPECT_EQ(note->Memo()->toPlainText(), QStringLiteral("2024 Metro League\nTeam: 2 Bears\n"));
      Type(note->Memo(), QStringLiteral("Short of pitchers"));
      // Unsaved changes on Exit: Yes saves.
      WhenModal<QMessageBox>([&](QMessageBox* box) {
        steps << QStringLiteral("save?");
        box->button(QMessageBox::Yes)->click();
      });
      // Back in the pick list, still on Bears; Cancel.
      WhenModal<ListForm>([&](ListForm* again) {
        steps << QStringLiteral("list again");
        EXPECT_TRUE(again->ListBox()->currentItem()->text().contains(QStringLiteral("Bears")));
        again->ButtonWidget(ListView::CancelButton)->click();
      });
      note->ButtonWidget(NoteForm::CloseButton)->click();
    });
    list->ButtonWidget(ListView::NoteButton)->click();
  });
  app.window.Button(Command::Team)->click();
  EXPECT_EQ(steps, (QStringList{"list", "note", "save?", "list again"}));
  EXPECT_EQ(ReadFile(NotePath(tmp, "Y1L1T2.Notes")),
            QByteArray("2024 Metro League\r\nTeam: 2 Bears\r\nShort of pitchers\r\n"));
  // Cancel kept the current team.
  EXPECT_EQ(app.store.CurrentLeague.CurTeam, "1");

  // The player page's Notes command opens the current player's note.
  app.window.BottomTab()->setCurrentIndex(PlayersTab);
  Pump(10);
  WhenModal<NoteForm>([&](NoteForm* note) {
    EXPECT_EQ(note->windowTitle(), NotePath(tmp, "Y1L1T1P1.Notes"));
    EXPECT_EQ(note->Memo()->toPlainText(), QStringLiteral("2024 Metro League - Aces\nPLAYER:Ann Able\n"));
    note->ButtonWidget(NoteForm::CloseButton)->click();
  });
  app.window.Button(Command::Note)->click();
  EXPECT_FALSE(QFile::exists(NotePath(tmp, "Y1L1T1P1.Notes")));
}

TEST(NoteWindowTest, SavingKeepsTheBytesOfEveryLineNotEdited) {
  QTemporaryDir tmp;
  test::WriteLeague(tmp.path());
  const QString path = QDir(tmp.path()).filePath(QStringLiteral("Y1L1T1.Notes"));
  // No-break spaces, unassigned bytes, LF and CR line ends, no last one.
  const QByteArray bytes(
      "a\xA0"
      "b\x81\r\n\tc \xA0\xFF\nd\xA0\re\xA0");
  WriteFile(path, bytes);
  AppWindows app(tmp.path());
  Start(app);
  WhenModal<NoteForm>([&](NoteForm* note) {
    note->ButtonWidget(NoteForm::SaveButton)->click();
    EXPECT_EQ(ReadFile(path), bytes);
    // An edit rewrites the lines with CR LF; the bytes of each line stay.
    Type(note->Memo(), QStringLiteral("x"));
    note->ButtonWidget(NoteForm::SaveButton)->click();
    note->ButtonWidget(NoteForm::CloseButton)->click();
  });
  app.window.Button(Command::Note)->click();
  EXPECT_EQ(ReadFile(path), QByteArray("xa\xA0"
                                       "b\x81\r\n\tc \xA0\xFF\r\nd\xA0\r\ne\xA0\r\n"));
}

TEST(NoteWindowTest, PrintsToAPdfHelpsAndRefusesOversizedNotes) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  test::WriteLeague(tmp.path());
  QByteArray lines;
  for (int i = 1; i <= 150; ++i) lines += "Line " + QByteArray::number(i) + "\r\n";
  WriteFile(QDir(tmp.path()).filePath(QStringLiteral("Y1L1T1.Notes")), lines);
  AppWindows app(tmp.path());
  Start(app);

  const QString pdf = QDir(tmp.path()).filePath(QStringLiteral("note.pdf"));
  int dialogs = 0;
  bool confirm = false;
  app.note.SetPrintDialog([&](QPrinter& printer, QWidget* parent) {
    ++dialogs;
    EXPECT_EQ(parent, &app.note);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return confirm;
  });
  WhenModal<NoteForm>([&](NoteForm* note) {
    // Cancelled: nothing printed.
    note->ButtonWidget(NoteForm::PrintButton)->click();
    EXPECT_FALSE(QFile::exists(pdf));
    confirm = true;
    note->ButtonWidget(NoteForm::PrintButton)->click();
    EXPECT_EQ(note->focusWidget(), note->Memo());

    note->ButtonWidget(NoteForm::HelpButton)->click();
    EXPECT_TRUE(app.help.isVisible());
    EXPECT_EQ(app.help.CurrentTopic(), QStringLiteral("Note_Window"));
    note->ButtonWidget(NoteForm::CloseButton)->click();
  });
  app.window.Button(Command::Note)->click();
  EXPECT_EQ(dialogs, 2);
  const QByteArray printed = ReadFile(pdf);
  if (const QString shots = qEnvironmentVariable("SCV_SCREENSHOT_DIR"); !shots.isEmpty()) {
    QDir().mkpath(shots);
    QFile::copy(pdf, QDir(shots).filePath(QStringLiteral("note.pdf")));
  }
  ASSERT_TRUE(printed.startsWith("%PDF-")) << printed.left(20).toStdString();
  // 150 lines run on to more than one page.
  const auto pages =
      QString::fromLatin1(printed).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")));
  EXPECT_GT(pages, 1);
  app.help.hide();

  // A note over 32600 bytes is refused in an error box with one Cancel
  // button; the window does not open.
  WriteFile(QDir(tmp.path()).filePath(QStringLiteral("Y1L1T1.Notes")), QByteArray(32601, 'x'));
  bool refused = false;
  WhenModal<QMessageBox>([&](QMessageBox* box) {
    refused = true;
    EXPECT_EQ(box->text(), QStringLiteral("Maximum Note Size is 32K - ") + NotePath(tmp, "Y1L1T1.Notes"));
    EXPECT_EQ(box->buttons().size(), 1);
    ASSERT_NE(box->button(QMessageBox::Cancel), nullptr);
    EXPECT_FALSE(app.note.isVisible());
    box->button(QMessageBox::Cancel)->click();
  });
  app.window.Button(Command::Note)->click();
  EXPECT_TRUE(refused);
}

TEST(NoteWindowTest, GameNotesDialogOpensTheChosenNote) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  test::WriteLeague(tmp.path());
  QDir d(tmp.path());
  WriteFile(d.filePath(QStringLiteral("Y1.Leagues")), "L|\r\n|1|Metro League|1|1|\r\n");
  WriteFile(d.filePath(QStringLiteral("Y1L1.Games")), "G|\r\n|20240615|1830|2|3|1|1|2|||||\r\n");
  WriteFile(d.filePath(QStringLiteral("Y1L1.Fields")), "F|\r\n|1|North|\r\n|2|Riverside|\r\n");
  WriteFile(d.filePath(QStringLiteral("Y1L1.Umpires")), "U|\r\n|21|Una Ump|\r\n|22|Vic Voss|\r\n");
  AppWindows app(tmp.path());
  Start(app);
  app.window.BottomTab()->setCurrentIndex(ScheduleTab);
  Pump(10);
  ASSERT_EQ(app.store.CurrentLeague.CurGame, "1");
  ASSERT_TRUE(app.window.Button(Command::Note)->isEnabled());

  QStringList steps;
  WhenModal<RadioNoteForm>([&](RadioNoteForm* radio) {
    steps << QStringLiteral("choose");
    EXPECT_EQ(radio->windowTitle(), QStringLiteral("Choose Which Notes"));
    const char* items[] = {"Field",     "Game",      "Home Team", "Away Team",
                           "Umpire #1", "Umpire #2", "Umpire #3", "Umpire #4"};
    const char* labels[] = {"2 Riverside", "Sat 6-15 at 6:30 pm", "3 Cubs", "1 Aces",
                            "21 Una Ump",  "22 Vic Voss",         " ",      " "};
    for (int i = 0; i < RadioNoteView::ItemCount; ++i) {
      const auto item = static_cast<RadioNoteView::Item>(i);
      EXPECT_EQ(radio->Radio(item)->text(), QString::fromLatin1(items[i]));
      EXPECT_EQ(radio->Label(item)->text(), QString::fromLatin1(labels[i]));
    }
    EXPECT_TRUE(radio->Radio(RadioNoteView::Field)->isChecked());
    Shot(radio, "radionote");
    radio->HelpButton()->click();
    EXPECT_EQ(app.help.CurrentTopic(), QStringLiteral("Notes_Button"));
    app.help.hide();
    radio->Radio(RadioNoteView::Umpire2)->click();
    WhenModal<NoteForm>([&](NoteForm* note) {
      steps << QStringLiteral("note");
      EXPECT_EQ(note->windowTitle(), NotePath(tmp, "Y1L1U2.Notes"));
      EXPECT_EQ(note->Memo()->toPlainText(), QStringLiteral("2024 Metro League\nUmpire: 22 Vic Voss\n"));
      Shot(note, "note");
      note->ButtonWidget(NoteForm::CloseButton)->click();
    });
    radio->OkButton()->click();
  });
  app.window.Button(Command::Note)->click();

  // The choice stays; the game's own note, then Cancel opens nothing.
  WhenModal<RadioNoteForm>([&](RadioNoteForm* radio) {
    steps << QStringLiteral("again");
    EXPECT_TRUE(radio->Radio(RadioNoteView::Umpire2)->isChecked());
    radio->Radio(RadioNoteView::Game)->click();
    WhenModal<NoteForm>([&](NoteForm* note) {
      steps << QStringLiteral("game");
      EXPECT_EQ(note->windowTitle(), NotePath(tmp, "Y1L1G1.Notes"));
      EXPECT_EQ(
          note->Memo()->toPlainText(),
          QStringLiteral("2024 Metro League\nGame: 3 Cubs vs 1 Aces  Sat 6-15 at 6:30 pm at 2 Riverside\n"));
      note->ButtonWidget(NoteForm::CloseButton)->click();
    });
    radio->OkButton()->click();
  });
  app.window.Button(Command::Note)->click();
  WhenModal<RadioNoteForm>([&](RadioNoteForm* radio) {
    steps << QStringLiteral("cancel");
    radio->CancelButton()->click();
  });
  app.window.Button(Command::Note)->click();
  EXPECT_EQ(steps, (QStringList{"choose", "note", "again", "game", "cancel"}));
  EXPECT_EQ(app.store.CurrentTeam.Name, "Aces");
}

}  // namespace
}  // namespace scv
