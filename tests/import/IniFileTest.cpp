// The initialization-file reader: the rules Windows gives such files.
#include "import/IniFile.h"

#include <gtest/gtest.h>

namespace scv {
namespace {

TEST(IniFile, ReadsSectionsKeysAndValuesAsWindowsDoes) {
  IniFile ini;
  ini.Parse(
      "\xEF\xBB\xBF"
      "orphan=before any section\r\n"
      "[ Init ]\r\n"
      "  Last  =  3  \r\n"
      "last=9\r\n"  // a repeated key: the first one stays
      "; Name=commented out\r\n"
      "Name=\"  quoted  \"\r\n"  // one pair of quotes removed, blanks inside kept
      "Quote=\"\"twice\"\"\n"
      "Half=\"open\r"
      "Tail=a ; not a comment\\\n"  // no comments after a value, no continuation
      "Next=b\n"
      "NoEquals\n"
      "=no key\n"
      "[init]\n"  // a repeated section is passed over whole
      "Extra=x\n"
      "[Y1L2T3]\n"
      "\xE9t\xE9=summer\n"  // names compare with the program's upper case
      "[broken\n"
      "Still=Y1L2T3\n"
      "[Empty]");

  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string_view>{"Init", "Y1L2T3", "Empty"}));
  EXPECT_EQ(ini.Section("INIT"), 0);
  EXPECT_EQ(ini.Section("y1l2t3"), 1);
  EXPECT_EQ(ini.Section("Missing"), -1);
  EXPECT_EQ(ini.Value("init", "LAST"), "3");
  EXPECT_EQ(ini.Value("Init", "Name"), "  quoted  ");
  EXPECT_EQ(ini.Value("Init", "Quote"), "\"twice\"");
  EXPECT_EQ(ini.Value("Init", "Half"), "\"open");
  EXPECT_EQ(ini.Value("Init", "Tail"), "a ; not a comment\\");
  EXPECT_EQ(ini.Value("Init", "Next"), "b");
  EXPECT_EQ(ini.Value("Init", "Extra"), "");
  EXPECT_EQ(ini.Value("Init", "orphan"), "");
  EXPECT_EQ(ini.Value("Init", "NoEquals"), "");
  EXPECT_EQ(ini.Value("Y1L2T3", "\xC9T\xC9"), "summer");
  EXPECT_EQ(ini.Value("Y1L2T3", "Still"), "Y1L2T3");
  EXPECT_EQ(ini.Value(-1, "Last"), "");
  EXPECT_EQ(ini.Text(ini.Section("Init"), "Tail", 3), "a ;");
  EXPECT_EQ(ini.Count("Init", "Last"), 3);
  EXPECT_EQ(ini.Count("Empty", "Last"), 0);

  // Counts: decimal or 0x hexadecimal, signed, up to the first non-digit.
  // clang-format off
  const std::vector<std::pair<std::string, int64_t>> counts = {
      {"", 0}, {"abc", 0}, {"12abc", 12}, {"-7", -7}, {"+5", 5}, {"0x1F", 31}, {"0XfF", 255}, {"0x", 0},
      {"-0x10", -16}, {"007", 7}, {"99999999999999999999999", INT64_MAX}};
  // clang-format on
  for (const auto& [text, value] : counts) EXPECT_EQ(IniFile::ParseCount(text), value) << text;

  // Many sections and keys, with CR line ends: every one is still found
  // after the tables have grown, and the first of repeated keys wins in
  // sections of many keys too.
  std::string big;
  for (int i = 0; i < 5000; ++i)
    big += "[S" + std::to_string(i) + "]\rK=" + std::to_string(i * 3) + "\rL=1\r";
  for (const char* many : {"[Many]\r", "[More]\r"}) {
    big += many;
    for (int i = 0; i < 5000; ++i)
      big += "K" + std::to_string(i) + "=" + std::to_string(i * 7) + "\rk1=again\r";
  }
  for (int i = 0; i < 300; ++i) {
    big += "[R" + std::to_string(i) + "]\r";
    for (int k = 0; k < 70; ++k)
      big += (k < 40 ? "A=" : "B" + std::to_string(k) + "=") + std::to_string(k) + "\r";
  }
  ini.Parse(big);
  ASSERT_EQ(ini.SectionNames().size(), 5302u);
  for (int i = 0; i < 5000; i += 97) {
    EXPECT_EQ(ini.Count("s" + std::to_string(i), "k"), i * 3) << i;
    EXPECT_EQ(ini.Count("many", "k" + std::to_string(i)), i * 7) << i;
    EXPECT_EQ(ini.Count("MORE", "k" + std::to_string(i)), i * 7) << i;
  }
  EXPECT_EQ(ini.Value("Many", "K1"), "again");  // k1=again came first
  for (int i = 0; i < 300; i += 13) {
    EXPECT_EQ(ini.Value("R" + std::to_string(i), "a"), "0") << i;
    EXPECT_EQ(ini.Value("R" + std::to_string(i), "B69"), "69") << i;
  }
}

}  // namespace
}  // namespace scv
