#include "discovery/lookup.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fake_platform.h"
#include "support/run_fixture.h"

namespace vz {
namespace {

using testing::FakePlatform;

const std::string kDisplayName = "Vantor Zeltar Platform V7.0";
const std::string kEntry = testing::entryKey(kDisplayName);
constexpr uint32_t kRegExpandString = 2;
constexpr uint32_t kRegBinary = 3;

class LookupTest : public ::testing::Test {
 protected:
  LookupResult lookUp() {
    FixedText<64> displayName;
    EXPECT_TRUE(displayName.assign(kDisplayName.c_str()));
    return lookUpInstallDir(machine, displayName, keyPath, key, installDir);
  }

  FakePlatform machine;
  FixedText<128> keyPath;
  KeyHandle key = 0;
  FixedText<256> installDir;
};

struct ScanCase {
  const char* name;
  std::string data;  // the value's bytes exactly as stored
  LookupResult result;
  std::string installDir;
};

std::string sz(const std::string& text) { return text + std::string(1, '\0'); }

TEST_F(LookupTest, DerivesTheInstallDirectoryFromTheUninstallCommand) {
  const ScanCase cases[] = {
      {"program path", sz("C:\\Apps\\Demo\\Remove.exe"), LookupResult::kFound, "C:\\Apps\\Demo\\"},
      {"ends in a backslash", sz("C:\\Apps\\Demo\\"), LookupResult::kFound, "C:\\Apps\\Demo\\"},
      {"only backslash first", sz("\\Remove.exe"), LookupResult::kFound, "\\"},
      {"a single backslash", sz("\\"), LookupResult::kFound, "\\"},
      {"no backslash", sz("Remove.exe"), LookupResult::kNoPath, ""},
      {"empty", sz(""), LookupResult::kNoPath, ""},
      {"no data at all", "", LookupResult::kNoPath, ""},
      {"backslash in an argument", sz("C:\\Apps\\Remove.exe /log C:\\Temp\\run.log"),
       LookupResult::kFound, "C:\\Apps\\Remove.exe /log C:\\Temp\\"},
      {"quoted program path", sz("\"C:\\Program Files\\VZP\\Remove.exe\" /x"), LookupResult::kFound,
       "C:\\Program Files\\VZP\\"},
      {"quoted path, argument with backslashes", sz("\"C:\\A\\Remove.exe\" /log C:\\T\\x"),
       LookupResult::kFound, "C:\\A\\"},
      {"quoted name without a path", sz("\"Remove.exe\" C:\\x\\y"), LookupResult::kNoPath, ""},
      {"quote never closed", sz("\"C:\\Apps\\VZP\\Remove.exe /log C:\\Temp\\x"),
       LookupResult::kFound, "C:\\Apps\\VZP\\Remove.exe /log C:\\Temp\\"},
      {"a lone quote", sz("\""), LookupResult::kNoPath, ""},
      {"quote and backslash", sz("\"\\"), LookupResult::kFound, "\\"},
      {"no terminator", "C:\\A\\B", LookupResult::kFound, "C:\\A\\"},
      {"no terminator, last byte a backslash", "C:\\A\\", LookupResult::kFound, "C:\\A\\"},
      {"early zero ends the text", std::string("C:\\A\\x\0D:\\B\\C\\", 15) + '\0',
       LookupResult::kFound, "C:\\A\\"},
      {"early zero before any backslash", std::string("x\0C:\\B\\", 7) + '\0',
       LookupResult::kNoPath, ""},
      {"255 characters", sz("C:\\" + std::string(252, 'a')), LookupResult::kFound, "C:\\"},
      {"255 characters, backslash last", sz(std::string(254, 'a') + "\\"), LookupResult::kFound,
       std::string(254, 'a') + "\\"},
      {"256 characters", sz("C:\\" + std::string(253, 'a')), LookupResult::kNotFound, ""},
      {"256 bytes without terminator", "C:\\" + std::string(253, 'a'), LookupResult::kNotFound, ""},
      {"255 bytes without terminator", "C:\\" + std::string(251, 'a') + "\\", LookupResult::kFound,
       "C:\\" + std::string(251, 'a') + "\\"},
  };
  for (const ScanCase& c : cases) {
    SCOPED_TRACE(c.name);
    machine.setValue(kEntry, "UninstallString", kRegString, c.data);
    installDir.clear();
    EXPECT_EQ(c.result, lookUp());
    EXPECT_EQ(c.installDir, installDir.c_str());
  }
}

TEST_F(LookupTest, FoundEntryIsReadWithQueryAccessAndClosedAtOnce) {
  machine.setString(kEntry, "UninstallString", "C:\\Apps\\VZP\\Remove.exe");
  EXPECT_EQ(LookupResult::kFound, lookUp());
  EXPECT_EQ(testing::readEntryCalls(kDisplayName), machine.calls);
  EXPECT_EQ(kEntry, keyPath.c_str());
}

TEST_F(LookupTest, MissingEntryIsNotFound) {
  machine.setString(testing::entryKey("Vantor Zeltar Platform V6.5"), "UninstallString",
                    "C:\\Apps\\VZP\\Remove.exe");
  EXPECT_EQ(LookupResult::kNotFound, lookUp());
  const std::vector<std::string> expected = {testing::readEntryCalls(kDisplayName)[0]};
  EXPECT_EQ(expected, machine.calls);
}

TEST_F(LookupTest, RefusedOpenIsNotFound) {
  machine.setString(kEntry, "UninstallString", "C:\\Apps\\VZP\\Remove.exe");
  machine.denyOpen(kEntry);
  EXPECT_EQ(LookupResult::kNotFound, lookUp());
  EXPECT_EQ(1u, machine.calls.size());
}

// After a successful open, the two read failures leave the key open.
TEST_F(LookupTest, UnreadableValueIsNotFoundAndTheKeyStaysOpen) {
  struct Case {
    const char* name;
    bool hasValue;
    uint32_t type;
  } cases[] = {
      {"missing value", false, kRegString},
      {"REG_EXPAND_SZ", true, kRegExpandString},
      {"REG_BINARY", true, kRegBinary},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlatform fresh;
    fresh.addKey(kEntry);
    if (c.hasValue) fresh.setValue(kEntry, "UninstallString", c.type, sz("C:\\Apps\\Remove.exe"));
    FixedText<64> displayName;
    ASSERT_TRUE(displayName.assign(kDisplayName.c_str()));
    EXPECT_EQ(LookupResult::kNotFound,
              lookUpInstallDir(fresh, displayName, keyPath, key, installDir));
    const std::vector<std::string> expected = {testing::readEntryCalls(kDisplayName)[0],
                                               testing::readEntryCalls(kDisplayName)[1]};
    EXPECT_EQ(expected, fresh.calls);
  }
}

}  // namespace
}  // namespace vz
