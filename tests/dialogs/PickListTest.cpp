#include "dialogs/PickList.h"

#include <gtest/gtest.h>

#include "support/FakeViews.h"

namespace scv::test {
namespace {

class PickListTest : public ::testing::Test {
 protected:
  FakeListView list;
  FakeNameView name;
  FakeMessages messages;
  FakeHelpView help;
  PickList pick{list, name, messages, help};

  std::string Run(List& lines, const std::string& current, const char* caption = "Team") {
    list.SetCaption(QString::fromLatin1(caption));
    return pick.Run(lines, current);
  }
};

TEST_F(PickListTest, DisplayLinesAreLaidOutAndSortedByNumberThenName) {
  const std::string line = PickList::DisplayLine("|2|Bears|5|1||", 7);
  EXPECT_EQ(line, " " + std::string("    2") + "  " + "Bears" + std::string(69 - 13, ' ') + "7");
  EXPECT_EQ(line.size(), 70u);
  EXPECT_EQ(PickList::DisplayNo(line), "2");
  EXPECT_EQ(PickList::DisplayName(line), "Bears");
  EXPECT_EQ(PickList::DisplayIndex(line), "7");
  // A full name still leaves the index at character 70.
  const std::string full = PickList::DisplayLine("|12345|" + std::string(40, 'N') + "|", 12345);
  EXPECT_EQ(full.substr(69), "12345");
  EXPECT_EQ(PickList::DisplayName(full), std::string(40, 'N'));

  List lines = {"T|", "|2|bears|", "|10|Ants|", "|1|Cats|", "||Nobody|", "X|0|Gone|"};
  list.Script(PickOk);
  EXPECT_EQ(Run(lines, "3"), "3");
  ASSERT_EQ(list.execs, 1);
  EXPECT_EQ(list.IndexesShown(0), (std::vector<std::string>{"4", "3", "1", "2"}));
  EXPECT_EQ(list.current, 1);  // the caller's item is highlighted
  EXPECT_FALSE(pick.PickChanged);
  EXPECT_TRUE(list.Enabled(ListView::UndeleteButton));
  EXPECT_EQ(list.caption, QStringLiteral("Team"));
}

TEST_F(PickListTest, CancelKeepsTheCallersItemUnlessItWasDeleted) {
  List lines = {"T|", "|1|Ants|", "|2|Bears|", "|3|Cats|"};
  list.Script(PickCancel, "3");
  EXPECT_EQ(Run(lines, "2"), "2");

  // Delete the current item, then cancel: the highlighted one is chosen.
  messages.confirmAnswers = {true};
  list.Script(PickDelete, "2");
  list.Script(PickCancel);
  EXPECT_EQ(Run(lines, "2"), "1");
  EXPECT_EQ(messages.confirms, (std::vector<QString>{QStringLiteral("Delete Team: 2 Bears")}));
  EXPECT_EQ(lines[2], "X|2|Bears|");
  EXPECT_TRUE(pick.PickChanged);
  EXPECT_EQ(list.IndexesShown(2), (std::vector<std::string>{"1", "3"}));

  // Declining the confirmation deletes nothing.
  list.Script(PickDelete, "3");
  list.Script(PickOk, "3");
  EXPECT_EQ(Run(lines, "1"), "3");
  EXPECT_EQ(lines[3], "|3|Cats|");
  EXPECT_FALSE(pick.PickChanged);
}

TEST_F(PickListTest, DeletingTheOnlyItemEndsWithItsIndex) {
  List lines = {"T|", "X|1|Old|", "|4|Only|"};
  messages.confirmAnswers = {true};
  list.Script(PickDelete);
  EXPECT_EQ(Run(lines, "2"), "2");
  EXPECT_EQ(list.execs, 1);
  EXPECT_EQ(lines[2], "X|4|Only|");
  EXPECT_TRUE(pick.PickChanged);
}

TEST_F(PickListTest, UndeleteModeShowsDeletedItemsAndOkRevivesOne) {
  List lines = {"T|", "|1|Ants|", "X|2|Bears|", "X|3|Cats|"};
  list.Script(PickUndelete);
  list.Script(PickOk, "3");
  list.Script(PickOk);
  EXPECT_EQ(Run(lines, "1"), "3");
  ASSERT_EQ(list.execs, 3);
  EXPECT_EQ(list.IndexesShown(1), (std::vector<std::string>{"2", "3"}));
  EXPECT_EQ(list.captions.at(2), QStringLiteral("Undelete Team"));
  EXPECT_EQ(lines[3], "|3|Cats|");
  EXPECT_EQ(lines[2], "X|2|Bears|");
  EXPECT_TRUE(pick.PickChanged);
  // Back in the normal mode with the revived item highlighted.
  EXPECT_EQ(list.caption, QStringLiteral("Team"));
  EXPECT_EQ(list.IndexesShown(2), (std::vector<std::string>{"1", "3"}));
  EXPECT_TRUE(list.Enabled(ListView::DeleteButton));

  for (ListView::Button b : {ListView::DeleteButton, ListView::NewButton, ListView::EditButton,
                             ListView::UndeleteButton})
    EXPECT_FALSE(list.EnabledAt(1, b)) << b;
  EXPECT_TRUE(list.EnabledAt(0, ListView::UndeleteButton));
  EXPECT_TRUE(list.EnabledAt(2, ListView::UndeleteButton));  // Bears is still deleted
}

TEST_F(PickListTest, CancelLeavesUndeleteModeWithoutChanges) {
  List lines = {"T|", "|1|Ants|", "X|2|Bears|"};
  list.Script(PickUndelete);
  list.Script(PickCancel, "2");
  list.Script(PickOk);
  EXPECT_EQ(Run(lines, "1"), "1");
  ASSERT_EQ(list.execs, 3);
  EXPECT_EQ(list.captions.at(2), QStringLiteral("Undelete Team"));
  EXPECT_EQ(list.IndexesShown(2), (std::vector<std::string>{"1"}));
  EXPECT_EQ(lines[2], "X|2|Bears|");
  EXPECT_FALSE(pick.PickChanged);
}

TEST_F(PickListTest, EmptyListGoesStraightToAdding) {
  List lines = {"T|"};
  name.Script(false, "", "");
  EXPECT_EQ(Run(lines, "0"), "0");
  EXPECT_EQ(list.execs, 0);
  EXPECT_EQ(name.captions, (std::vector<QString>{QStringLiteral("Add New Baseball Team")}));
  EXPECT_EQ(lines.size(), 1u);
  EXPECT_FALSE(pick.PickChanged);

  // OK with both edits empty adds nothing either.
  name.Script(true, "  ", " ");
  EXPECT_EQ(Run(lines, ""), "");
  EXPECT_EQ(lines.size(), 1u);

  // Typed text is trimmed, cut to 5 and 40, and cannot split the line.
  name.Script(true, " 123456 ", "  Red|Sox  " + std::string(45, 'x'));
  list.Script(PickOk);
  EXPECT_EQ(Run(lines, ""), "1");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "|12345|" + ("RedSox  " + std::string(32, 'x')) + "|");
  EXPECT_TRUE(pick.PickChanged);
  EXPECT_EQ(list.current, 0);
  EXPECT_EQ(name.filled.back(), std::make_pair(std::string(), std::string()));
}

TEST_F(PickListTest, AddingToAListSelectsTheNewItem) {
  List lines = {"Y|", "|2024|Season|1|"};
  name.Script(true, "2025", "Next");
  list.Script(PickNew);
  list.Script(PickOk);
  EXPECT_EQ(Run(lines, "1", "Year"), "2");
  EXPECT_EQ(lines[2], "|2025|Next|");
  EXPECT_EQ(list.IndexesShown(1), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(list.current, 1);
}

TEST_F(PickListTest, EditKeepsEveryFieldAfterTheName) {
  const std::string tail = "3|1||2|" + std::string(300, 'z') + "|";
  List lines = {"T|", "|12|Tigers|" + tail};
  name.Script(true, " 14 ", "Lions ");
  list.Script(PickEdit);
  list.Script(PickOk);
  EXPECT_EQ(Run(lines, "1"), "1");
  EXPECT_EQ(name.captions.at(0), QStringLiteral("Change Baseball Team"));
  EXPECT_EQ(name.filled.at(0), std::make_pair(std::string("12"), std::string("Tigers")));
  EXPECT_GT(name.focusNo, 0);
  EXPECT_EQ(lines[1], "|14|Lions|" + tail);
  EXPECT_TRUE(pick.PickChanged);

  // Unchanged, emptied or cancelled: the line stays as it is.
  for (const FakeNameView::Answer& answer : {FakeNameView::Answer{true, "14", " Lions"},
                                             FakeNameView::Answer{true, "", ""},
                                             FakeNameView::Answer{false, "99", "Other"}}) {
    name.script.push_back(answer);
    list.Script(PickEdit);
    list.Script(PickOk);
    EXPECT_EQ(Run(lines, "1"), "1");
    EXPECT_EQ(lines[1], "|14|Lions|" + tail);
    EXPECT_FALSE(pick.PickChanged);
  }
}

TEST_F(PickListTest, NotesAndHelp) {
  List lines = {"T|", "|12|Tigers|", "|3|Ants|"};
  list.Script(PickOk);
  Run(lines, "1");
  EXPECT_FALSE(list.Enabled(ListView::NoteButton));

  FakeNoteOpener notes;
  pick.notes = &notes;
  list.Script(PickNotes, "1");
  list.Script(PickOk);
  EXPECT_EQ(Run(lines, "2"), "1");
  EXPECT_TRUE(list.Enabled(ListView::NoteButton));
  ASSERT_EQ(notes.opened.size(), 1u);
  EXPECT_EQ(notes.opened[0], std::make_pair(std::string("Team: 12 Tigers"), std::string("1")));
  EXPECT_EQ(list.execs, 3);

  pick.HelpButtonClick();
  list.SetCaption(QStringLiteral("Undelete Umpire"));
  pick.HelpButtonClick();
  EXPECT_EQ(help.topics, (std::vector<QString>{QStringLiteral("Team_Button"), QStringLiteral("Undelete")}));
}

}  // namespace
}  // namespace scv::test

namespace scv::test {
namespace {

TEST_F(PickListTest, AListOfOnlyDeletedItemsStillOffersUndelete) {
  List lines = {"T|", "X|4|Gone|"};
  list.Script(PickOk);  // OK on the empty list box chooses nothing new
  EXPECT_EQ(Run(lines, "1"), "1");
  ASSERT_EQ(list.execs, 1);
  EXPECT_TRUE(list.shown.at(0).empty());
  EXPECT_TRUE(list.EnabledAt(0, ListView::UndeleteButton));
  EXPECT_TRUE(list.EnabledAt(0, ListView::NewButton));
  EXPECT_FALSE(list.EnabledAt(0, ListView::DeleteButton));
  EXPECT_FALSE(list.EnabledAt(0, ListView::EditButton));
  EXPECT_EQ(name.execs, 0);

  // Declining to add returns to the dialog, from where the item comes back.
  list.Script(PickNew);
  list.Script(PickUndelete);
  list.Script(PickOk, "1");
  list.Script(PickOk);
  EXPECT_EQ(Run(lines, "1"), "1");
  EXPECT_EQ(name.execs, 1);
  EXPECT_EQ(lines[1], "|4|Gone|");
  EXPECT_TRUE(pick.PickChanged);
  EXPECT_EQ(list.overruns, 0);
}

}  // namespace
}  // namespace scv::test
