#include "run/run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/allocation_counter.h"
#include "support/fake_platform.h"
#include "support/run_fixture.h"

namespace vz {
namespace {

using testing::concat;
using testing::confirmBox;
using testing::FakePlatform;
using testing::finalBox;
using testing::readEntryCalls;

const std::string kVzp70 = "Vantor Zeltar Platform V7.0";
const std::string kVant35 = "Vantor Zeltar V3.5";
const std::string kTooLong = "Install directory path is too long";
const std::string kBackupMissing =
    "Backup copies of the standard Excel Zeltar files\n"
    "could not be found, so no action was taken.  You\n"
    "can use the Setup program Uninstall choice.  For\n"
    "assistance, please contact Corvane Systems at\n"
    "(800) 555-0142, or email at support@corvane.example.";

class RunTest : public ::testing::Test {
 protected:
  void registerProduct(const std::string& displayName, const std::string& uninstallString) {
    machine.setString(testing::entryKey(displayName), "UninstallString", uninstallString);
  }

  void run(const char* tail) { EXPECT_EQ(0, runUninstall(machine, tail)); }

  FakePlatform machine;
};

TEST_F(RunTest, UnrecognisedTailShowsOneBoxAndTouchesNothing) {
  for (const char* tail : {"", "VAN", "V70 VANT", "XVZP V70"}) {
    SCOPED_TRACE(tail);
    machine.calls.clear();
    run(tail);
    const std::vector<std::string> expected = {finalBox("Command line argument not recognized")};
    EXPECT_EQ(expected, machine.calls);
  }
}

TEST_F(RunTest, LookupFailuresEndWithTheirMessage) {
  struct Case {
    const char* name;
    const char* tail;
    std::vector<std::string> calls;
  } cases[] = {
      {"not registered",
       "VANT V70",
       {readEntryCalls("Vantor Zeltar V7.0")[0],
        finalBox("Uninstall command not found in Registry")}},
      {"another version registered",
       "VZP V65",
       {readEntryCalls("Vantor Zeltar Platform V6.5")[0],
        finalBox("Uninstall command not found in Registry")}},
  };
  registerProduct(kVzp70, "C:\\Apps\\VZP\\Remove.exe");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    machine.calls.clear();
    run(c.tail);
    EXPECT_EQ(c.calls, machine.calls);
  }
}

TEST_F(RunTest, CommandWithoutPathEndsTheRun) {
  registerProduct(kVzp70, "Remove.exe");
  run("VZP V70");
  EXPECT_EQ(concat({readEntryCalls(kVzp70), {finalBox("Uninstall command does not include path")}}),
            machine.calls);
}

TEST_F(RunTest, ExpandableStringIsNotFound) {
  machine.setValue(testing::entryKey(kVzp70), "UninstallString", 2,
                   std::string("C:\\A\\R.exe", 11));
  run("VZP V70");
  EXPECT_EQ(concat({{readEntryCalls(kVzp70)[0], readEntryCalls(kVzp70)[1]},
                    {finalBox("Uninstall command not found in Registry")}}),
            machine.calls);
}

// The whole of a confirmed run for VZP V70, operation by operation.
TEST_F(RunTest, ConfirmedReleaseSevenPlatformRunDoesTheWholeJob) {
  registerProduct(kVzp70, "C:\\Apps\\VZP\\Remove.exe");
  machine.setString(testing::kVendorKey + "VantorZeltarPlatform\\7.0", "Path", "x");
  machine.setEnv("windir", "C:\\WINDOWS");
  run("VZP V70");
  const std::string dir = "C:\\Apps\\VZP\\";
  auto del = [&](const std::string& name) { return "DeleteFileA(\"" + dir + name + "\")"; };
  const std::vector<std::string> expected = concat({
      readEntryCalls(kVzp70),
      {"GetEnvironmentVariableA(\"windir\")",
       confirmBox(kVzp70),
       "system(\"C:\\WINDOWS\\system32\\regsvr32 /u /s \"C:\\Apps\\VZP\\Bin\\Zeltar32.xll\"\")",
       del("Bin\\Zeltar32.xll"),
       del("Bin\\Zeltar.xla"),
       del("Help\\Zeltar.hlp"),
       del("Help\\Zeltar.cnt"),
       del("Help\\Zeltar.gid"),
       del("Help\\Zeltar.fts"),
       del("Help\\CorvanePlatformV70.pdf"),
       del("Examples\\Examples.xls"),
       del("Examples\\Fleetplan.xls"),
       del("Examples\\Blendmix.xls"),
       del("Examples\\Sheetcut.xls"),
       "RegOpenKeyExA(HKLM, \"Software\\CorvaneSystems\\\", 0, KEY_SET_VALUE)",
       "RegDeleteKeyA(key2, \"VantorZeltarPlatform\\7.0\")",
       "RegCloseKey(key2)",
       "RegOpenKeyExA(HKLM, \"" + testing::kUninstallList + "\", 0, KEY_SET_VALUE)",
       "RegDeleteKeyA(key3, \"Corvane Systems Vantor Zeltar Platform V7.0\")",
       "RegCloseKey(key3)",
       testing::completionBox(kVzp70)},
  });
  EXPECT_EQ(expected, machine.calls);
  EXPECT_FALSE(machine.hasKey(testing::entryKey(kVzp70)));
}

TEST_F(RunTest, WindowsDirectoryStandsInForAnUnsetWindir) {
  registerProduct(kVzp70, "C:\\Apps\\VZP\\Remove.exe");
  machine.setWindowsDirectory("D:\\WINNT");
  run("VZP V70");
  ASSERT_GT(machine.calls.size(), 7u);
  EXPECT_EQ("GetEnvironmentVariableA(\"windir\")", machine.calls[3]);
  EXPECT_EQ("GetWindowsDirectoryA()", machine.calls[4]);
  EXPECT_EQ("system(\"D:\\WINNT\\system32\\regsvr32 /u /s \"C:\\Apps\\VZP\\Bin\\Zeltar32.xll\"\")",
            machine.calls[6]);
}

TEST_F(RunTest, WithoutAnyWindowsDirectoryTheLibraryIsStillDeleted) {
  registerProduct(kVzp70, "C:\\Apps\\VZP\\Remove.exe");
  machine.setWindowsDirectory("");
  run("VZP V70");
  ASSERT_GT(machine.calls.size(), 7u);
  EXPECT_EQ(confirmBox(kVzp70), machine.calls[5]);
  EXPECT_EQ("DeleteFileA(\"C:\\Apps\\VZP\\Bin\\Zeltar32.xll\")", machine.calls[6]);
  EXPECT_EQ(testing::completionBox(kVzp70), machine.calls.back());
}

TEST_F(RunTest, OnlyOkLetsTheRunChangeTheMachine) {
  for (int answer : {kAnswerCancel, 0, 3 /* IDABORT */}) {
    SCOPED_TRACE(answer);
    FakePlatform fresh;
    fresh.setString(testing::entryKey(kVzp70), "UninstallString", "C:\\Apps\\VZP\\Remove.exe");
    fresh.setEnv("windir", "C:\\WINDOWS");
    fresh.addFile("C:\\Apps\\VZP\\Bin\\Zeltar32.xll");
    fresh.answers.push_back(answer);
    EXPECT_EQ(0, runUninstall(fresh, "VZP V70"));
    EXPECT_EQ(concat({readEntryCalls(kVzp70),
                      {"GetEnvironmentVariableA(\"windir\")", confirmBox(kVzp70)}}),
              fresh.calls);
    EXPECT_TRUE(fresh.hasFile("C:\\Apps\\VZP\\Bin\\Zeltar32.xll"));
    EXPECT_TRUE(fresh.hasKey(testing::entryKey(kVzp70)));
  }
}

TEST_F(RunTest, BackupCheckGuardsLegacyPlatformProducts) {
  const std::string dir = "C:\\Apps\\V\\";
  const std::string attr = "GetFileAttributesA(\"" + dir + "Zeltar.xlo\")";
  struct Case {
    const char* name;
    const char* tail;
    std::string displayName;
    std::vector<std::string> files;
    std::vector<std::string> directories;
    std::vector<std::string> afterLookup;
  } cases[] = {
      {"0 in 6.5 with its backup",
       "VANT V65",
       "Vantor Zeltar V6.5",
       {"Zeltar.xlo"},
       {},
       {attr, confirmBox("Vantor Zeltar V6.5")}},
      {"1 without a tag and without a backup",
       "VZP",
       "Vantor Zeltar Platform V3.5",
       {},
       {},
       {attr, finalBox(kBackupMissing)}},
      {"0 with only the digit-zero copy",
       "VANT",
       kVant35,
       {"Zeltar.xl0"},
       {},
       {attr, finalBox(kBackupMissing)}},
      {"a directory named like the backup",
       "VANT",
       kVant35,
       {},
       {"Zeltar.xlo"},
       {attr, confirmBox(kVant35)}},
      {"2 in the legacy layout has no check",
       "VZE V65",
       "Vantor Zeltar for Education V6.5",
       {},
       {},
       {confirmBox("Vantor Zeltar for Education V6.5")}},
      {"an engine has no check",
       "TALN",
       "Talnor Zeltar V3.5",
       {},
       {},
       {confirmBox("Talnor Zeltar V3.5")}},
      {"0 in 7.0 has no check",
       "VANT V70",
       "Vantor Zeltar V7.0",
       {},
       {},
       {"GetEnvironmentVariableA(\"windir\")", confirmBox("Vantor Zeltar V7.0")}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlatform fresh;
    fresh.setEnv("windir", "C:\\WINDOWS");
    fresh.setString(testing::entryKey(c.displayName), "UninstallString", dir + "Remove.exe");
    for (const auto& f : c.files) fresh.addFile(dir + f);
    for (const auto& d : c.directories) fresh.addDirectory(dir + d);
    fresh.answers.push_back(kAnswerCancel);
    EXPECT_EQ(0, runUninstall(fresh, c.tail));
    EXPECT_EQ(concat({readEntryCalls(c.displayName), c.afterLookup}), fresh.calls);
  }
}

std::string installDirOfLength(size_t length) {
  return "C:\\" + std::string(length - 4, 'd') + "\\";
}

// The longest text each case composes: for VZP 7.0 with windir C:\WINDOWS
// the unregistration command (53 characters beside the directory), for an
// engine "Help\CorvaneEnginesV70.pdf" (26), for VANT 3.5 a 12-character name.
TEST_F(RunTest, InstallDirectoryThatWouldOverflowAPathIsRefusedBeforeAsking) {
  struct Case {
    const char* tail;
    std::string displayName;
    size_t longestFitting;
    std::vector<std::string> beforeCheck;
  } cases[] = {
      {"VZP V70", kVzp70, 202, {"GetEnvironmentVariableA(\"windir\")"}},
      {"FENWIK", "FENWIK Zeltar V3.5", 229, {}},
      {"QUORIN V70", "QUORIN Zeltar Engine V7.0", 229, {}},
      {"VANT", kVant35, 243, {}},
  };
  for (const auto& c : cases) {
    for (size_t length : {c.longestFitting, c.longestFitting + 1}) {
      SCOPED_TRACE(std::string(c.tail) + " " + std::to_string(length));
      FakePlatform fresh;
      fresh.setEnv("windir", "C:\\WINDOWS");
      const std::string dir = installDirOfLength(length);
      fresh.setString(testing::entryKey(c.displayName), "UninstallString", dir);
      fresh.addFile(dir + "Zeltar.xlo");
      fresh.answers.push_back(kAnswerCancel);
      EXPECT_EQ(0, runUninstall(fresh, c.tail));
      const bool fits = length == c.longestFitting;
      ASSERT_FALSE(fresh.calls.empty());
      EXPECT_EQ(fits ? confirmBox(c.displayName) : finalBox(kTooLong), fresh.calls.back());
      if (!fits) {
        EXPECT_EQ(concat({readEntryCalls(c.displayName), c.beforeCheck, {finalBox(kTooLong)}}),
                  fresh.calls);
      }
    }
  }
}

// Every composed text of this product fits exactly: 255 characters and the zero.
TEST_F(RunTest, PathsOfExactlyTheBufferSizeAreUsedWhole) {
  const std::string dir = installDirOfLength(243);
  registerProduct(kVant35, dir);
  machine.addFile(dir + "Zeltar.xlo", "standard add-in");
  machine.addFile(dir + "Zeltar32.dl0", "standard library");
  run("VANT");
  EXPECT_EQ(testing::completionBox(kVant35), machine.calls.back());
  EXPECT_EQ("standard library", machine.contentOf(dir + "Zeltar32.dll"));
  EXPECT_EQ("standard add-in", machine.contentOf(dir + "Zeltar.xla"));
}

TEST_F(RunTest, OverlongWindirIsRefusedBeforeAsking) {
  registerProduct(kVzp70, "C:\\Apps\\VZP\\Remove.exe");
  machine.setEnv("windir", std::string(300, 'w'));
  run("VZP V70");
  EXPECT_EQ(finalBox(kTooLong), machine.calls.back());
  EXPECT_EQ(5u, machine.calls.size());
}

TEST_F(RunTest, ConfirmedRunReportsCompletionWhateverFailed) {
  // Nothing of the product exists and neither key can be deleted.
  registerProduct("Talnor Zeltar V3.5", "C:\\Gone\\Remove.exe");
  machine.denyOpen(testing::kVendorKey);
  machine.denyOpen(testing::kUninstallList);
  run("TALN");
  EXPECT_EQ(testing::completionBox("Talnor Zeltar V3.5"), machine.calls.back());
  EXPECT_EQ(2u, machine.boxes.size());
}

TEST_F(RunTest, AWholeRunAllocatesNothing) {
  const std::string dir = "C:\\Apps\\V\\";
  registerProduct(kVant35, dir + "Remove.exe");
  registerProduct(kVzp70, dir + "Remove.exe");
  machine.addFile(dir + "Zeltar.xlo");
  machine.addFile(dir + "Zeltar32.dll");
  machine.addFile(dir + "Bin\\TALNeng.dll");
  for (const char* tail : {"VANT", "VZP V70", "TALN", "nothing"}) {
    SCOPED_TRACE(tail);
    testing::startCountingAllocations();
    const int status = runUninstall(machine, tail);
    const size_t allocations = testing::stopCountingAllocations();
    EXPECT_EQ(0, status);
    EXPECT_EQ(0u, allocations);
  }
  // Confirmation and completion for the two registered products, one final
  // message each for the unregistered one and the unrecognised tail.
  EXPECT_EQ(6u, machine.boxes.size());
}

}  // namespace
}  // namespace vz

namespace vz {
namespace {

// The count above would read zero if the counter saw nothing at all.
TEST(AllocationCounterTest, SeesAnAllocation) {
  testing::startCountingAllocations();
  std::vector<std::string> texts(3, std::string(64, 'x'));
  EXPECT_GE(testing::stopCountingAllocations(), 3u);
  EXPECT_EQ(3u, texts.size());
}

}  // namespace
}  // namespace vz
