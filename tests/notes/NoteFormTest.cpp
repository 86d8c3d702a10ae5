#include "notes/NoteForm.h"

#include <sys/resource.h>
#include <csignal>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "notes/NoteFakes.h"
#include "notes/NoteFile.h"
#include "support/TempData.h"

namespace scv::test {
namespace {

class NoteFormPresenterTest : public ::testing::Test {
 protected:
  TempData data;
  FakeNoteView view;
  FakeNotePrinter printer;
  NoteMessages messages;
  FakeHelpView help;
  NoteFormPresenter form{view, printer, messages, help};

  void WriteBytes(const std::string& name, const std::string& bytes) {
    QFile file(data.Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  // Runs the window over a note with the steps the user takes while it is
  // open.
  bool Open(const std::string& name, std::function<void(FakeNoteView&)> whileOpen = nullptr,
            const List& firstLines = {"2024 Majors", "TEAM: Aces"}) {
    if (whileOpen) view.script.push_back(std::move(whileOpen));
    return form.Open(data.Path(name), firstLines);
  }
};

TEST_F(NoteFormPresenterTest, NewNoteStartsWithTwoLinesAndIsWrittenOnlyBySave) {
  ASSERT_TRUE(Open("Y1L1T1.Notes"));
  EXPECT_EQ(view.execs, 1);
  EXPECT_EQ(view.captionsAtExec[0], QDir::toNativeSeparators(data.Path("Y1L1T1.Notes")));
  EXPECT_EQ(view.textsAtExec[0], QStringLiteral("2024 Majors\nTEAM: Aces\n"));
  EXPECT_FALSE(view.modified);
  EXPECT_GT(view.focusMemo, 0);
  // Leaving without saving leaves no file behind.
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_FALSE(data.Exists("Y1L1T1.Notes"));

  ASSERT_TRUE(Open("Y1L1T1.Notes", [this](FakeNoteView& v) {
    v.Type(QStringLiteral("Won the cup \u00E0 la \u20AC"));
    EXPECT_TRUE(form.Save());
    EXPECT_FALSE(v.modified);
    EXPECT_TRUE(form.FormCloseQuery());
  }));
  EXPECT_EQ(data.Read("Y1L1T1.Notes"), "2024 Majors\r\nTEAM: Aces\r\nWon the cup \xE0 la \x80\r\n");
}

TEST_F(NoteFormPresenterTest, ExistingNoteLoadsAndSavesByteForByte) {
  const std::string bytes = std::string("Caf\xE9\r\n\r\n\x80\x81\x8D\x8F\x90\x9D\xA0\xFF\ttab\r\nlast\r\n");
  WriteBytes("Y2.Notes", bytes);
  ASSERT_TRUE(Open("Y2.Notes", [this](FakeNoteView& v) {
    EXPECT_EQ(v.caret, 0);  // at the start of a loaded note
    EXPECT_FALSE(v.modified);
    EXPECT_TRUE(form.Save());
  }));
  EXPECT_EQ(data.Read("Y2.Notes"), bytes);

  // Lone CR or LF line ends are read as line ends; saved unchanged, the note
  // keeps them, and its missing last line break; edited, it is written with
  // CR LF.
  WriteBytes("Y3.Notes", "a\rb\nc");
  ASSERT_TRUE(Open("Y3.Notes", [this](FakeNoteView& v) {
    EXPECT_EQ(v.text, QStringLiteral("a\nb\nc\n"));
    EXPECT_TRUE(form.Save());
    EXPECT_EQ(data.Read("Y3.Notes"), "a\rb\nc");
    v.text += QStringLiteral("d\n");
    EXPECT_TRUE(form.Save());
  }));
  EXPECT_EQ(data.Read("Y3.Notes"), "a\r\nb\r\nc\r\nd\r\n");
}

TEST_F(NoteFormPresenterTest, NotesOverTheSizeLimitAreRefused) {
  WriteBytes("Y1.Notes", std::string(kMaxNoteSize - 2, 'x') + "\r\n");
  ASSERT_TRUE(Open("Y1.Notes"));
  EXPECT_EQ(view.execs, 1);
  EXPECT_EQ(view.text.size(), kMaxNoteSize - 1);

  WriteBytes("Y4.Notes", std::string(kMaxNoteSize - 1, 'x') + "\r\n");
  EXPECT_FALSE(Open("Y4.Notes"));
  EXPECT_EQ(view.execs, 1);  // not shown
  ASSERT_EQ(messages.cancelErrors.size(), 1u);
  EXPECT_EQ(messages.cancelErrors[0],
            QStringLiteral("Maximum Note Size is 32K - ") + QDir::toNativeSeparators(data.Path("Y4.Notes")));
  EXPECT_TRUE(messages.errors.empty());

  // Saving refuses to make a note that could not be opened again: 32600
  // bytes are written, one more keeps the old file and the text.
  ASSERT_TRUE(Open("Y1.Notes", [this](FakeNoteView& v) {
    v.text = QString(kMaxNoteSize - 1, QLatin1Char('y')) + QStringLiteral("\n");
    v.modified = true;
    EXPECT_FALSE(form.Save());
    EXPECT_TRUE(v.modified);
    EXPECT_EQ(messages.cancelErrors.size(), 2u);
    EXPECT_EQ(messages.cancelErrors.back(), QStringLiteral("Maximum Note Size is 32K - ") +
                                                QDir::toNativeSeparators(data.Path("Y1.Notes")));
    EXPECT_EQ(v.text.size(), kMaxNoteSize);
    v.text.remove(0, 1);
    EXPECT_TRUE(form.Save());
  }));
  EXPECT_EQ(data.Read("Y1.Notes"), std::string(kMaxNoteSize - 2, 'y') + "\r\n");
}

TEST_F(NoteFormPresenterTest, CloseQuestionSavesDiscardsOrStays) {
  WriteBytes("Y1.Notes", "old\r\n");
  const QString question = QStringLiteral("Save ") + QDir::toNativeSeparators(data.Path("Y1.Notes"));

  // Cancel keeps the window open with the text; No closes without saving;
  // Yes saves and closes.
  messages.otherAnswers = {Messages::Answer::Cancel, Messages::Answer::No};
  ASSERT_TRUE(Open("Y1.Notes", [this](FakeNoteView& v) {
    v.Type(QStringLiteral("more"));
    const int focus = v.focusMemo;
    EXPECT_FALSE(form.FormCloseQuery());
    EXPECT_EQ(v.text, QStringLiteral("old\nmore"));
    EXPECT_TRUE(v.modified);
    EXPECT_GT(v.focusMemo, focus);
    EXPECT_TRUE(form.FormCloseQuery());
  }));
  EXPECT_EQ(messages.confirms, (std::vector<QString>{question, question}));
  EXPECT_EQ(data.Read("Y1.Notes"), "old\r\n");

  messages.confirms.clear();
  messages.otherAnswers = {Messages::Answer::Yes};
  ASSERT_TRUE(Open("Y1.Notes", [this](FakeNoteView& v) {
    v.Type(QStringLiteral("new"));
    EXPECT_TRUE(form.FormCloseQuery());
  }));
  EXPECT_EQ(messages.confirms, std::vector<QString>{question});
  EXPECT_EQ(data.Read("Y1.Notes"), "old\r\nnew\r\n");

  // An unmodified memo closes without asking.
  messages.confirms.clear();
  ASSERT_TRUE(Open("Y1.Notes", [this](FakeNoteView&) { EXPECT_TRUE(form.FormCloseQuery()); }));
  EXPECT_TRUE(messages.confirms.empty());
}

TEST_F(NoteFormPresenterTest, CharactersTheFileCannotHoldAreNamedBeforeSaving) {
  WriteBytes("Y1.Notes", "old\r\n");
  const QString question = QStringLiteral(
      "These characters cannot be kept in a note: \u0141 \u1ec5\nSave with \"?\" in their place?");
  // No: back to the memo, nothing written, even from the close question.
  // Yes: saved with "?".
  messages.confirmAnswers = {false, false, true};
  messages.otherAnswers = {Messages::Answer::Yes};
  ASSERT_TRUE(Open("Y1.Notes", [this](FakeNoteView& v) {
    v.Type(QStringLiteral("\u0141ukasz Nguy\u1ec5n \u0141"));
    EXPECT_FALSE(form.Save());
    EXPECT_TRUE(v.modified);
    EXPECT_FALSE(form.FormCloseQuery());
    EXPECT_EQ(data.Read("Y1.Notes"), "old\r\n");
    EXPECT_TRUE(form.Save());
  }));
  EXPECT_EQ(messages.confirms.front(), question);
  EXPECT_EQ(messages.confirms.size(), 4u);
  EXPECT_EQ(data.Read("Y1.Notes"), "old\r\n?ukasz Nguy?n ?\r\n");
}

TEST_F(NoteFormPresenterTest, FailedSaveKeepsTheTextAndReportsTheFile) {
  // The data directory lies under a regular file: nothing can be written.
  WriteBytes("plain", "x");
  const QString path = data.Path("plain") + QStringLiteral("/Y1.Notes");
  view.script.push_back([this, &path](FakeNoteView& v) {
    v.Type(QStringLiteral("typed"));
    EXPECT_FALSE(form.Save());
    EXPECT_TRUE(v.modified);
    // Yes to the close question tries again; the window stays open.
    messages.otherAnswers = {Messages::Answer::Yes};
    EXPECT_FALSE(form.FormCloseQuery());
    EXPECT_TRUE(v.modified);
    EXPECT_EQ(v.text, QStringLiteral("2024 Majors\nTEAM: Aces\ntyped"));
  });
  ASSERT_TRUE(form.Open(path, {"2024 Majors", "TEAM: Aces"}));
  ASSERT_EQ(messages.errors.size(), 2u);
  for (const QString& error : messages.errors) {
    EXPECT_TRUE(error.startsWith(QStringLiteral("Could not save ") + QDir::toNativeSeparators(path) +
                                 QStringLiteral(": ")))
        << error.toStdString();
    EXPECT_GT(error.size(), (QStringLiteral("Could not save ") + path + QStringLiteral(": ")).size());
  }
}

TEST_F(NoteFormPresenterTest, FailedSaveLeavesTheOldFileAsItWas) {
  const std::string old = "first line \xE9\r\nsecond\r\n";
  WriteBytes("Y1L1U2.Notes", old);
  // Files may not grow past 64 bytes while the note is saved.
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_TRUE(Open("Y1L1U2.Notes", [&](FakeNoteView& v) {
    v.Type(QString(200, QLatin1Char('z')));
    struct rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool ok = form.Save();
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(v.modified);
    EXPECT_TRUE(v.text.endsWith(QString(200, QLatin1Char('z'))));
  }));
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(data.Read("Y1L1U2.Notes"), old);
  ASSERT_EQ(messages.errors.size(), 1u);
  EXPECT_TRUE(messages.errors[0].startsWith(QStringLiteral("Could not save ")));
  // No temporary file is left beside the note.
  EXPECT_EQ(data.Snapshot().size(), 1u);
}

TEST_F(NoteFormPresenterTest, ButtonsPrintAndHelp) {
  ASSERT_TRUE(Open("Y1.Notes", [this](FakeNoteView& v) {
    v.text = QStringLiteral("one\n\nthree\n");
    form.CutButtonClick();
    form.CopyButtonClick();
    form.PasteButtonClick();
    EXPECT_EQ(v.cuts, 1);
    EXPECT_EQ(v.copies, 1);
    EXPECT_EQ(v.pastes, 1);

    // Cancelled print dialog: nothing printed. Confirmed: every line.
    printer.choices = {false, true, true};
    form.PrintButtonClick();
    EXPECT_TRUE(printer.printed.empty());
    form.PrintButtonClick();
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(printer.printed[0], (QStringList{"one", "", "three"}));
    printer.fails = true;
    form.PrintButtonClick();
    EXPECT_EQ(printer.dialogs, 3);
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("out of paper")));

    const int focus = v.focusMemo;
    form.HelpButtonClick();
    EXPECT_EQ(help.topics, std::vector<QString>{QStringLiteral("Note_Window")});
    EXPECT_EQ(v.focusMemo, focus + 1);
  }));
  EXPECT_FALSE(data.Exists("Y1.Notes"));
}

}  // namespace
}  // namespace scv::test
