#include "notes/NoteFile.h"

#include <gtest/gtest.h>

#include "store/DataStore.h"
#include "support/TempData.h"

namespace scv::test {
namespace {

TEST(NoteFileTest, NamesFollowTheListKeys) {
  EXPECT_EQ(NoteFileName('Y', "", "3"), "Y3.Notes");
  EXPECT_EQ(NoteFileName('L', "Y3", "2"), "Y3L2.Notes");
  EXPECT_EQ(NoteFileName('T', "Y3L2", "4"), "Y3L2T4.Notes");
  EXPECT_EQ(NoteFileName('P', "Y3L2T4", "7"), "Y3L2T4P7.Notes");
  EXPECT_EQ(NoteFileName('F', "Y3L2", "1"), "Y3L2F1.Notes");
  EXPECT_EQ(NoteFileName('G', "Y3L2", "12"), "Y3L2G12.Notes");
  EXPECT_EQ(NoteFileName('U', "Y3L2", "2"), "Y3L2U2.Notes");

  // The part before ".Notes" holds 20 characters; the index is read from its
  // first 5 and written as plain digits.
  EXPECT_EQ(NoteFileName('P', "Y1234L12345T12345", "67"), "Y1234L12345T12345P67.Notes");
  EXPECT_EQ(NoteFileName('P', "Y1234L12345T12345", "678"), "Y1234L12345T12345P67.Notes");
  EXPECT_EQ(NoteFileName('T', "Y1L1", "1234567"), "Y1L1T12345.Notes");
  EXPECT_EQ(NoteFileName('T', "Y1L1", "007"), "Y1L1T7.Notes");
  EXPECT_EQ(NoteFileName('T', "Y1L1", " 7"), "Y1L1T7.Notes");
}

TEST(NoteFileTest, NothingButNumbersBuildsAName) {
  // An index that is not a positive number names no note, so no title or
  // index can lead out of the data directory.
  for (const char* index : {"", " ", "0", "00", "-1", "+1", "1/2", "../x", "..", "12x", "x", "1\\2", "1.5"})
    EXPECT_EQ(NoteFileName('T', "Y1L1", index), "") << index;
  for (const char* key : {"../Y1", "Y1/L1", "Y1L1.", "y1l1", "Y1 L1"})
    EXPECT_EQ(NoteFileName('T', key, "1"), "") << key;
  // A year has no key; every other kind needs the key of its list.
  EXPECT_EQ(NoteFileName('Y', "Y1", "1"), "");
  EXPECT_EQ(NoteFileName('T', "", "1"), "");
  for (char kind : {'t', 'X', '.', '/', ' ', '\0'}) EXPECT_EQ(NoteFileName(kind, "Y1", "1"), "") << int(kind);
}

TEST(NoteFileTest, KeysAreThoseOfTheListsInMemory) {
  TempData data;
  DataStore store(data.Dir());
  store.LeaguesKey = "Y2";
  store.TeamsKey = "Y2L3";
  store.PlayersKey = "Y2L3T4";
  store.GamesKey = "Y2L3";
  store.FieldsKey = "Y2L1";  // still another league's fields
  store.UmpiresKey = "Y2L3";
  std::string key = "?";
  const std::pair<char, const char*> kinds[] = {{'Y', ""},     {'L', "Y2"},   {'T', "Y2L3"}, {'P', "Y2L3T4"},
                                                {'G', "Y2L3"}, {'F', "Y2L1"}, {'U', "Y2L3"}};
  for (const auto& [kind, want] : kinds) {
    ASSERT_TRUE(NoteKey(store, kind, key)) << kind;
    EXPECT_EQ(key, want) << kind;
  }
  EXPECT_FALSE(NoteKey(store, 'X', key));
  EXPECT_FALSE(NoteKey(store, 'y', key));
}

TEST(NoteFileTest, MemoTextAndFileLinesRoundTrip) {
  // High bytes survive decoding and encoding, empty lines stay, and the last
  // line break ends the last line.
  const List lines = {"Caf\xE9 \x80 \x9F", "", "\xFF\xA0\x81", "end"};
  const QString text = NoteText(lines);
  EXPECT_EQ(text, QStringLiteral("Caf\u00E9 \u20AC \u0178\n\n\u00FF\u00A0\u0081\nend\n"));
  EXPECT_EQ(NoteLines(text), lines);
  EXPECT_EQ(NoteLines(NoteText({"a", "", ""})), (List{"a", "", ""}));
  EXPECT_TRUE(NoteText({}).isEmpty());
  EXPECT_TRUE(NoteLines(QString()).empty());

  // Whatever break the memo holds ends a line; none is written into a line.
  EXPECT_EQ(NoteLines(QStringLiteral("a\r\nb\rc\nd\u2029e\u2028f")), (List{"a", "b", "c", "d", "e", "f"}));
  EXPECT_EQ(NoteLines(QStringLiteral("a\n")), (List{"a"}));
  EXPECT_EQ(NoteLines(QStringLiteral("a\n\n")), (List{"a", ""}));
  EXPECT_EQ(NoteLines(QStringLiteral("\n")), (List{""}));
  // Characters outside the code page become "?".
  EXPECT_EQ(NoteLines(QStringLiteral("\u4E2D\u20AC")), (List{"?\x80"}));
  EXPECT_EQ(NoteTextLines(QStringLiteral("x\n\ny")), (QStringList{"x", "", "y"}));
}

}  // namespace
}  // namespace scv::test
