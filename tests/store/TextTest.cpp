#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "store/Text.h"

namespace scv {
namespace {

TEST(ParseFigure, ReadsSignedDecimalsAndTreatsAnythingElseAsZero) {
  EXPECT_EQ(ParseFigure("12"), 12);
  EXPECT_EQ(ParseFigure("1 2"), 12);  // spaces are dropped
  EXPECT_EQ(ParseFigure(" -7 "), -7);
  EXPECT_EQ(ParseFigure("+5"), 5);
  EXPECT_EQ(ParseFigure("12a"), 0);
  EXPECT_EQ(ParseFigure("-"), 0);
  EXPECT_EQ(ParseFigure("1.5"), 0);
  EXPECT_EQ(ParseFigure(""), 0);
  EXPECT_EQ(ParseFigure("    "), 0);
  // Only the first ten characters count, and ten digits need 64 bits.
  EXPECT_EQ(ParseFigure("9876543210"), 9876543210LL);
  EXPECT_EQ(ParseFigure("12345678901"), 1234567890);
  EXPECT_EQ(ParseFigure("123456789x1"), 0);  // the "x" is within the ten
}

TEST(FigureText, ZeroIsZeroOrBlank) {
  EXPECT_EQ(FigureText(0), "0");
  EXPECT_EQ(FigureTextOrBlank(0), "");
  EXPECT_EQ(FigureText(-12), "-12");
  EXPECT_EQ(FigureTextOrBlank(17), "17");
}

TEST(CompareText, SpacesBeforeDigitsBeforeLettersIgnoringCase) {
  std::vector<std::string> lines = {"beta", "    2", "Alpha", "   10", " ", "ALPHA2", "\xE9", "f", "E", "1"};
  std::sort(lines.begin(), lines.end(), TextLess());
  const std::vector<std::string> expected = {" ", "    2", "   10", "1", "Alpha", "ALPHA2", "beta", "E", "\xE9", "f"};
  EXPECT_EQ(lines, expected);
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_GT(CompareText("b", "A"), 0);
  // Lines that differ only in case are still two lines.
  EXPECT_NE(CompareText("Tigers", "TIGERS"), 0);
  EXPECT_EQ(CompareText("Tigers", "Tigers"), 0);
}

TEST(CodePage, EveryByteSurvivesDecodeAndEncode) {
  std::string all;
  for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
  EXPECT_EQ(Encode(Decode(all)), all);
  EXPECT_EQ(Decode("\x80"), QString(QChar(0x20AC)));
  EXPECT_EQ(Decode("\xE9t\xE9"), QStringLiteral("été"));
  EXPECT_EQ(Encode(QStringLiteral("Zürich €")), "Z\xFCrich \x80");
  // Characters outside the code page become "?", one per character.
  EXPECT_EQ(Encode(QString::fromUtf8("a\xE4\xB8\xAD\xF0\x9F\x98\x80z")), "a??z");
  EXPECT_EQ(UpperCase("m\xFCller"), "M\xDCLLER");
  // The exports' direct way to UTF-8 gives what the detour through Unicode does.
  std::string utf8;
  AppendUtf8(utf8, all);
  EXPECT_EQ(QByteArray::fromStdString(utf8), Decode(all).toUtf8());
}

}  // namespace
}  // namespace scv
