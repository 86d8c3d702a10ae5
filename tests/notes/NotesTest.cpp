#include "notes/Notes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>

#include "notes/NoteFakes.h"
#include "shell/MainForm.h"
#include "store/Text.h"
#include "support/MainFakes.h"
#include "support/TempData.h"

namespace scv::test {
namespace {

// One season with one league of three teams (the first with two players), a
// schedule of two games, three fields and three umpires.
class NotesTest : public ::testing::Test, protected FakeMainViews<NoteMessages> {
 protected:
  TempData data;
  FakeNoteView noteView;
  FakeNotePrinter printer;
  FakeRadioNoteView radio;
  std::unique_ptr<DataStore> store;
  std::unique_ptr<MainForm> form;
  std::unique_ptr<NoteFormPresenter> noteForm;
  std::unique_ptr<Notes> notes;

  void SetUp() override {
    QLocale::setDefault(QLocale::c());
    data.Write("Baseball.Years", {"Y|0||1|||", "|2024|Season|1|"});
    data.Write("Y1.Leagues", {"L|", "|1|Majors|1|2|"});
    data.Write("Y1L1.Teams", {"T|", "|1|Aces|2|1||1|", "|2|Bears|1|2|||", "|3|Cubs|||||"});
    data.Write("Y1L1T1.Players", {"P|", "|7|Ann Able|3|", "|12|Bob Baker|2|"});
    data.Write("Y1L1.Games", {"G|", "|20240608|1000|1|1|2|1|||||", "|20240615|1830|3|3|1|2|1|||4|5|"});
    data.Write("Y1L1.Fields", {"F|", "|1|North|", "|2|South|", "|3|Riverside|"});
    data.Write("Y1L1.Umpires", {"U|", "|21|Una Ump|", "|22|Vic Voss|"});
  }

  void Open(bool withNotes = true) {
    notes.reset();
    form.reset();
    store = std::make_unique<DataStore>(data.Dir(), &messages);
    form = std::make_unique<MainForm>(*store, Views());
    noteForm = std::make_unique<NoteFormPresenter>(noteView, printer, messages, help);
    notes = std::make_unique<Notes>(*store, *noteForm, radio, help);
    notes->MainCaption = [this] { return form->WindowCaption(); };
    if (withNotes) {
      form->SetNoteOpener(notes.get());
      form->SetNoteCommand([this](int tab) { notes->NoteButtonClick(tab); });
    }
    form->FormShow();
  }
  QString Path(const std::string& name) const { return QDir::toNativeSeparators(data.Path(name)); }
  // The notes window opened over this note, as a new note with these lines.
  void ExpectOpened(size_t n, const std::string& file, const QString& text) {
    ASSERT_GT(noteView.captionsAtExec.size(), n);
    EXPECT_EQ(noteView.captionsAtExec[n], Path(file));
    EXPECT_EQ(noteView.textsAtExec[n], text);
  }
};

TEST_F(NotesTest, NotesCommandOpensTheTeamOrPlayerOfThePage) {
  Open(false);
  // Without the notes window the command stays off.
  EXPECT_FALSE(main.Enabled(Command::Note));
  Open();
  EXPECT_TRUE(main.Enabled(Command::Note));

  form->NoteButtonClick();
  ExpectOpened(0, "Y1L1T1.Notes", QStringLiteral("2024 Majors\nTEAM: Aces\n"));

  form->TableSelectCell(form->grid.FocusColumn, 2);  // another row of the standings
  const std::string second = store->CurrentLeague.CurTeam;
  ASSERT_NE(second, "1");
  form->NoteButtonClick();
  ExpectOpened(
      1, "Y1L1T" + second + ".Notes",
      QStringLiteral("2024 Majors\nTEAM: ") + Decode(store->CurrentTeam.Name) + QStringLiteral("\n"));
  form->TableSelectCell(form->grid.FocusColumn, 1);
  ASSERT_EQ(store->CurrentLeague.CurTeam, "1");

  // The player pages: "PLAYER:" and the name, with no space.
  const int focus = main.tableFocus;
  for (int tab = PlayersTab; tab <= CustomTab; ++tab) {
    form->BottomTabClick(tab);
    form->NoteButtonClick();
  }
  ASSERT_EQ(noteView.execs, 2 + CustomTab);
  for (size_t n = 2; n < noteView.captionsAtExec.size(); ++n)
    ExpectOpened(n, "Y1L1T1P1.Notes", QStringLiteral("2024 Majors - Aces\nPLAYER:Ann Able\n"));
  EXPECT_GT(main.tableFocus, focus);

  // No player chosen: nothing opens.
  store->CurrentTeam.CurPlayer.clear();
  store->ReadPlayer(0);
  form->NoteButtonClick();
  EXPECT_EQ(noteView.execs, 2 + CustomTab);
  EXPECT_FALSE(data.Exists("Y1L1T1.Notes"));
}

TEST_F(NotesTest, PickListNotesNameTheSameFiles) {
  Open();
  noteView.script.push_back([this](FakeNoteView& v) {
    v.Type(QStringLiteral("Champions"));
    EXPECT_TRUE(noteForm->Save());
  });
  form->NoteButtonClick();
  ASSERT_TRUE(data.Exists("Y1L1T1.Notes"));

  // The team pick list's Notes button opens the note of the highlighted team:
  // the saved one for Aces, a new one (titled by the list) for Cubs.
  list.Script(PickNotes, "1");
  list.Script(PickNotes, "3");
  list.Script(PickCancel);
  form->TeamButtonClick();
  ExpectOpened(1, "Y1L1T1.Notes", QStringLiteral("2024 Majors\nTEAM: Aces\nChampions\n"));
  ExpectOpened(2, "Y1L1T3.Notes", QStringLiteral("2024 Majors\nTeam: 3 Cubs\n"));
  EXPECT_EQ(store->CurrentLeague.CurTeam, "1");

  // Years, leagues and players take their keys from the lists in memory.
  list = FakeListView();
  list.Script(PickNotes, "1");
  list.Script(PickCancel);
  form->YearButtonClick();
  list.Script(PickNotes, "1");
  list.Script(PickCancel);
  form->LeagueButtonClick();
  list.Script(PickNotes, "2");
  list.Script(PickCancel);
  form->PlayerButtonClick();
  ExpectOpened(3, "Y1.Notes", QStringLiteral("2024 Majors\nYear: 2024 Season\n"));
  ExpectOpened(4, "Y1L1.Notes", QStringLiteral("2024 Majors\nLeague: 1 Majors\n"));
  ExpectOpened(5, "Y1L1T1P2.Notes", QStringLiteral("2024 Majors\nPlayer: 12 Bob Baker\n"));
}

TEST_F(NotesTest, OpenNoteRefusesWhatNamesNoNote) {
  Open();
  // A title that begins with another letter, or an index that is not a
  // record number, opens nothing.
  for (const auto& [title, index] :
       std::vector<std::pair<std::string, std::string>>{{"team: 1 Aces", "1"},
                                                        {"", "1"},
                                                        {"Team: 1 Aces", ""},
                                                        {"Team: x", "../../etc/passwd"},
                                                        {"Team: x", "0"},
                                                        {"Xylophone", "1"},
                                                        {"Player: x", "1/2"}}) {
    notes->OpenNote(title, index);
    EXPECT_TRUE(notes->NotePath(title, index).isEmpty()) << title << " " << index;
  }
  EXPECT_EQ(noteView.execs, 0);

  // "TEAM: " and "Team: " both open team notes; the title is cut to 80.
  EXPECT_EQ(notes->NotePath("TEAM: A", "2"), notes->NotePath("Team: B", "2"));
  ASSERT_TRUE(store->LoadPlayers());
  EXPECT_EQ(notes->NotePath("PLAYER:A", "2"), data.Path("Y1L1T1P2.Notes"));
  const std::string longTitle = "Team: " + std::string(100, 'n');
  notes->OpenNote(longTitle, "2");
  ExpectOpened(
      0, "Y1L1T2.Notes",
      QStringLiteral("2024 Majors\n") + QString::fromLatin1(longTitle.substr(0, 80)) + QStringLiteral("\n"));
  // Neither the games nor the fields of this league are loaded yet on the
  // Teams page: their notes need those keys.
  EXPECT_TRUE(notes->NotePath("Field: 1 North", "1").isEmpty());
}

TEST_F(NotesTest, GameNotesChooseAmongTheGamesItems) {
  Open();
  const int execs = noteView.execs;

  // Game 2: field 3, Cubs at home to Aces, umpires 2 and 1 in places 1 and 2.
  radio.script = {{true, RadioNoteView::Game}};
  notes->NoteButtonClick(ScheduleTab);
  EXPECT_EQ(radio.labels, (std::array<std::string, RadioNoteView::ItemCount>{
                              "3 Riverside", "Sat 6-15 at 6:30 pm", "3 Cubs", "1 Aces", "22 Vic Voss",
                              "21 Una Ump", " ", " "}));
  EXPECT_EQ(radio.focusGroup, 1);
  ExpectOpened(static_cast<size_t>(execs), "Y1L1G2.Notes",
               QStringLiteral("2024 Majors\nGame: 3 Cubs vs 1 Aces  Sat 6-15 at 6:30 pm at 3 Riverside\n"));
  // Reading the teams of the game leaves the current team as it was.
  EXPECT_EQ(store->CurrentTeam.Name, "Aces");

  const std::pair<RadioNoteView::Item, std::pair<const char*, QString>> cases[] = {
      {RadioNoteView::Field, {"Y1L1F3.Notes", QStringLiteral("Field: 3 Riverside")}},
      {RadioNoteView::HomeTeam, {"Y1L1T3.Notes", QStringLiteral("Team: 3 Cubs")}},
      {RadioNoteView::AwayTeam, {"Y1L1T1.Notes", QStringLiteral("Team: 1 Aces")}},
      {RadioNoteView::Umpire1, {"Y1L1U2.Notes", QStringLiteral("Umpire: 22 Vic Voss")}},
      {RadioNoteView::Umpire2, {"Y1L1U1.Notes", QStringLiteral("Umpire: 21 Una Ump")}},
  };
  size_t n = static_cast<size_t>(noteView.execs);
  for (const auto& [item, want] : cases) {
    radio.script = {{true, item}};
    notes->NoteButtonClick(ScheduleTab);
    ExpectOpened(n++, want.first, QStringLiteral("2024 Majors\n") + want.second + QStringLiteral("\n"));
  }
  // No third umpire, and Cancel: nothing opens.
  radio.script = {{true, RadioNoteView::Umpire3}, {false, RadioNoteView::Field}};
  notes->NoteButtonClick(ScheduleTab);
  notes->NoteButtonClick(ScheduleTab);
  EXPECT_EQ(static_cast<size_t>(noteView.execs), n);
  EXPECT_EQ(radio.execs, 8);

  // The team note from the game is the team's own note.
  EXPECT_EQ(notes->NotePath("Team: 1 Aces", "1"), data.Path("Y1L1T1.Notes"));

  notes->RadioHelpButtonClick();
  EXPECT_EQ(help.topics.back(), QStringLiteral("Notes_Button"));
  EXPECT_EQ(radio.focusOk, 1);

  // No game chosen: no dialog.
  store->CurrentLeague.CurGame.clear();
  store->ReadGame(0);
  notes->NoteButtonClick(ScheduleTab);
  EXPECT_EQ(radio.execs, 8);
}

TEST_F(NotesTest, GameTimeText) {
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(Notes::GameTimeText("20240615", "1830"), "Sat 6-15 at 6:30 pm");
  EXPECT_EQ(Notes::GameTimeText("20241005", "1005"), "Sat 10-5 at 10:05 am");
  EXPECT_EQ(Notes::GameTimeText("20240101", "0000"), "Mon 1-1 at 12:00 am");
  EXPECT_EQ(Notes::GameTimeText("20240101", "1200"), "Mon 1-1 at 12:00 pm");
  EXPECT_EQ(Notes::GameTimeText("20240101", "2359"), "Mon 1-1 at 11:59 pm");
  // What is not a date or a time is left out.
  EXPECT_EQ(Notes::GameTimeText("20240230", "0930"), "9:30 am");
  EXPECT_EQ(Notes::GameTimeText("20240229", ""), "Thu 2-29");
  EXPECT_EQ(Notes::GameTimeText("2024061", "2460"), "");
  EXPECT_EQ(Notes::GameTimeText("", "930"), "");
}

TEST_F(NotesTest, NewNoteBeforeAnyYearIsChosenStartsWithTheProgramsTitle) {
  data.Write("Baseball.Years", {"Y||||||"});
  Open();
  list.Script(PickNotes, "1");
  list.Script(PickCancel);
  store->Years.push_back("|2025|Next|");
  form->YearButtonClick();
  ExpectOpened(0, "Y1.Notes", QStringLiteral("Scorvane\nYear: 2025 Next\n"));
}

}  // namespace
}  // namespace scv::test
