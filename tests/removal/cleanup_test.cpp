#include "removal/cleanup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "support/run_fixture.h"

namespace vz {
namespace {

using testing::FakePlatform;
using testing::kUninstallList;
using testing::kVendorKey;

const std::string kDisplayName = "Talnor Zeltar V3.5";
const std::string kVersionKey = kVendorKey + "TalnorZeltar\\3.5";
const std::string kSiblingKey = kVendorKey + "TalnorZeltar\\7.0";
const std::string kEntry = testing::entryKey(kDisplayName);

const std::string kOpenVendor = "RegOpenKeyExA(HKLM, \"" + kVendorKey + "\", 0, KEY_SET_VALUE)";
const std::string kOpenList = "RegOpenKeyExA(HKLM, \"" + kUninstallList + "\", 0, KEY_SET_VALUE)";

class CleanupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    machine.setString(kVersionKey, "Path", "C:\\Apps");
    machine.setString(kSiblingKey, "Path", "C:\\Apps7");
    machine.setString(kEntry, "UninstallString", "C:\\Apps\\Remove.exe");
  }

  void cleanUp() {
    ProductNames names;
    composeNames(3, "3.5", false, &names);
    FixedText<128> keyPath;
    ASSERT_TRUE(keyPath.assign("left over from the lookup"));
    FixedText<256> message;
    KeyHandle key = 0;
    deleteKeysAndReport(machine, names, keyPath, key, message);
  }

  FakePlatform machine;
};

TEST_F(CleanupTest, DeletesVersionKeyThenEntryThenReports) {
  cleanUp();
  const std::vector<std::string> expected = {
      kOpenVendor,
      "RegDeleteKeyA(key1, \"TalnorZeltar\\3.5\")",
      "RegCloseKey(key1)",
      kOpenList,
      "RegDeleteKeyA(key2, \"Corvane Systems Talnor Zeltar V3.5\")",
      "RegCloseKey(key2)",
      testing::completionBox(kDisplayName),
  };
  EXPECT_EQ(expected, machine.calls);
  EXPECT_FALSE(machine.hasKey(kVersionKey));
  EXPECT_FALSE(machine.hasKey(kEntry));
  // The product's key and another version's key below it stay.
  EXPECT_TRUE(machine.hasKey(kVendorKey + "TalnorZeltar"));
  EXPECT_TRUE(machine.hasKey(kSiblingKey));
}

TEST_F(CleanupTest, MissingVendorKeyStillDeletesTheEntry) {
  machine = FakePlatform();
  machine.setString(kEntry, "UninstallString", "C:\\Apps\\Remove.exe");
  cleanUp();
  const std::vector<std::string> expected = {
      kOpenVendor,
      kOpenList,
      "RegDeleteKeyA(key1, \"Corvane Systems Talnor Zeltar V3.5\")",
      "RegCloseKey(key1)",
      testing::completionBox(kDisplayName),
  };
  EXPECT_EQ(expected, machine.calls);
  EXPECT_FALSE(machine.hasKey(kEntry));
}

TEST_F(CleanupTest, RefusedOpensDeleteNothingAndStillReport) {
  machine.denyOpen(kVendorKey);
  machine.denyOpen(kUninstallList);
  cleanUp();
  const std::vector<std::string> expected = {kOpenVendor, kOpenList,
                                             testing::completionBox(kDisplayName)};
  EXPECT_EQ(expected, machine.calls);
  EXPECT_TRUE(machine.hasKey(kVersionKey));
  EXPECT_TRUE(machine.hasKey(kEntry));
}

TEST_F(CleanupTest, KeysAlreadyGoneStillReport) {
  machine = FakePlatform();
  machine.addKey(kVendorKey);
  machine.addKey(kUninstallList);
  cleanUp();
  ASSERT_EQ(7u, machine.calls.size());
  EXPECT_EQ(testing::completionBox(kDisplayName), machine.calls.back());
}

}  // namespace
}  // namespace vz
