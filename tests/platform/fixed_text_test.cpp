#include "platform/fixed_text.h"

#include <gtest/gtest.h>

#include <string>

#include "run/messages.h"

namespace vz {
namespace {

TEST(FixedTextTest, HoldsCapacityLessOneCharacters) {
  FixedText<4> text;
  EXPECT_TRUE(text.append("abc"));  // capacity - 1 characters and the zero
  EXPECT_STREQ("abc", text.c_str());
  EXPECT_EQ(3u, text.size());
}

TEST(FixedTextTest, RefusesCapacityCharactersAndKeepsTheText) {
  FixedText<4> text;
  ASSERT_TRUE(text.append("ab"));
  EXPECT_FALSE(text.append("cd"));  // would need 5 bytes
  EXPECT_STREQ("ab", text.c_str());
  EXPECT_FALSE(text.append("cdefg"));
  EXPECT_STREQ("ab", text.c_str());
  EXPECT_TRUE(text.append("c"));
  EXPECT_STREQ("abc", text.c_str());
  EXPECT_FALSE(text.append("d"));
  EXPECT_STREQ("abc", text.c_str());
}

TEST(FixedTextTest, AppendsOfNothingAlwaysFit) {
  FixedText<1> text;
  EXPECT_TRUE(text.append(""));
  EXPECT_STREQ("", text.c_str());
  EXPECT_FALSE(text.append("x"));
}

TEST(FixedTextTest, CountedAppendTakesExactlyThoseBytes) {
  FixedText<8> text;
  ASSERT_TRUE(text.append("abcdef", 2));
  EXPECT_STREQ("ab", text.c_str());
}

TEST(FixedTextTest, FailedAssignLeavesTheTextEmpty) {
  FixedText<4> text;
  ASSERT_TRUE(text.assign("ab"));
  EXPECT_FALSE(text.assign("abcd"));
  EXPECT_STREQ("", text.c_str());
}

TEST(FixedTextTest, TruncateOnlyShortens) {
  FixedText<8> text;
  ASSERT_TRUE(text.assign("abcdef"));
  text.truncate(10);
  EXPECT_STREQ("abcdef", text.c_str());
  text.truncate(2);
  EXPECT_STREQ("ab", text.c_str());
}

TEST(FormatWithNameTest, ReplacesThePlaceholder) {
  FixedText<64> name;
  ASSERT_TRUE(name.assign("Vantor Zeltar V3.5"));
  FixedText<256> out;
  ASSERT_TRUE(messages::formatWithName(out, messages::kCompletionFormat, name));
  EXPECT_STREQ("The Vantor Zeltar V3.5 files\nhave been removed.  Thank you.", out.c_str());
}

TEST(FormatWithNameTest, RefusesWhatDoesNotFitWhole) {
  FixedText<8> name;
  ASSERT_TRUE(name.assign("abc"));
  FixedText<9> fits;  // "[abc]%" needs 6 + 1
  FixedText<6> tooSmall;
  EXPECT_TRUE(messages::formatWithName(fits, "[%s]%", name));
  EXPECT_STREQ("[abc]%", fits.c_str());
  EXPECT_FALSE(messages::formatWithName(tooSmall, "[%s]%", name));
  EXPECT_STREQ("", tooSmall.c_str());
}

}  // namespace
}  // namespace vz
