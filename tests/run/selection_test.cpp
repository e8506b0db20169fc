#include "run/selection.h"

#include <gtest/gtest.h>

#include <string>

namespace vz {
namespace {

struct SelectionCase {
  std::string tail;
  int productId;
  std::string version;
};

TEST(SelectionTest, SelectsProductAndVersion) {
  const SelectionCase cases[] = {
      {"VANT", 0, "3.5"},      {"vant v70", 0, "7.0"},          {"VANTAGE V65", 0, "6.5"},
      {"VZPX", 1, "3.5"},      {"VZP V70", 1, "7.0"},           {"VZE V40", 2, "4.0"},
      {"TALN V50", 3, "5.0"},  {"kebra v60", 4, "6.0"},         {"WIVO", 5, "3.5"},
      {"PEL V55", 6, "5.5"},   {"MORVA V65", 7, "6.5"},         {"FenWik V70", 8, "7.0"},
      {"ARVEL V40", 9, "4.0"}, {"QUORIN  V55", 10, "5.5"},      {"QUORIN\tV55", 10, "3.5"},
      {"VANTV70", 0, "3.5"},   {"VANT V7", 0, "3.5"},           {"VANT V700", 0, "7.0"},
      {"VANT V70,", 0, "7.0"}, {"VANT V35", 0, "3.5"},          {"VANT X V70", 0, "3.5"},
      {"VANT ", 0, "3.5"},     {"VANT \xd6\x37\x30", 0, "3.5"}, {"VANT \"V70\"", 0, "3.5"},
  };
  for (const SelectionCase& c : cases) {
    SCOPED_TRACE(c.tail);
    Selection selection;
    ASSERT_TRUE(selectProduct(c.tail.c_str(), &selection));
    EXPECT_EQ(c.productId, selection.productId);
    EXPECT_EQ(c.version, selection.versionText);
    EXPECT_EQ(c.version == "7.0", selection.release70);
  }
}

TEST(SelectionTest, RejectsTailsThatNameNoProduct) {
  const char* tails[] = {"",
                         "VAN",
                         "V70 VANT",
                         " VANT",
                         "VA NT",
                         "\xd6"
                         "ANT",
                         "XVANT",
                         "QUORI"};
  for (const char* tail : tails) {
    SCOPED_TRACE(tail);
    Selection selection;
    EXPECT_FALSE(selectProduct(tail, &selection));
  }
}

// Folding is for the ASCII letters only: bytes that differ from a code's
// character by the case bit alone ('0' and 'P', 0xC1 and 0xE1) stay apart.
TEST(SelectionTest, FoldsOnlyAsciiLetters) {
  Selection selection;
  ASSERT_TRUE(selectProduct("VANT V7P", &selection));
  EXPECT_STREQ("3.5", selection.versionText);
  EXPECT_FALSE(selectProduct("V\xc1NT", &selection));
  EXPECT_FALSE(selectProduct("V\xe1NT", &selection));
}

}  // namespace
}  // namespace vz
