#include "removal/removal_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_platform.h"

namespace vz {
namespace {

using testing::FakePlatform;

const std::string kInstallDir = "C:\\Apps\\Z\\";
const std::string kWindowsDir = "C:\\WINDOWS";

// Spells out a plan in short lines, each path relative to the install
// directory:  "del X", "attr X", "move X > Y", "find X", "close", "cmd".
std::vector<std::string> expand(const std::vector<std::string>& lines,
                                const std::string& library = "Zeltar32.xll") {
  std::vector<std::string> calls;
  for (const std::string& line : lines) {
    const std::string verb = line.substr(0, line.find(' '));
    const std::string rest = line.size() > verb.size() ? line.substr(verb.size() + 1) : "";
    const std::string path = "\"" + kInstallDir + rest + "\"";
    if (verb == "del") {
      calls.push_back("DeleteFileA(" + path + ")");
    } else if (verb == "attr") {
      calls.push_back("GetFileAttributesA(" + path + ")");
    } else if (verb == "find") {
      calls.push_back("FindFirstFileA(" + path + ")");
    } else if (verb == "close") {
      calls.push_back("FindClose(find1)");
    } else if (verb == "cmd") {
      calls.push_back("system(\"" + kWindowsDir + "\\system32\\regsvr32 /u /s \"" + kInstallDir +
                      "Bin\\" + library + "\"\")");
    } else if (verb == "move") {
      const size_t arrow = rest.find(" > ");
      calls.push_back("MoveFileA(\"" + kInstallDir + rest.substr(0, arrow) + "\", \"" +
                      kInstallDir + rest.substr(arrow + 3) + "\")");
    } else {
      ADD_FAILURE() << "unknown plan line " << line;
    }
  }
  return calls;
}

std::vector<std::string> ownFiles(const std::string& dir, const std::string& library,
                                  const std::string& base, const std::string& helpDir) {
  return {"del " + dir + library,           "del " + dir + base + ".xla",
          "del " + helpDir + base + ".hlp", "del " + helpDir + base + ".cnt",
          "del " + helpDir + base + ".gid", "del " + helpDir + base + ".fts"};
}

const std::vector<std::string> kPlatformExtras70 = {
    "del Help\\CorvanePlatformV70.pdf", "del Examples\\Examples.xls", "del Examples\\Fleetplan.xls",
    "del Examples\\Blendmix.xls", "del Examples\\Sheetcut.xls"};

const std::vector<std::string> kSharedEngineFiles = {
    "find Bin\\*ENG.DLL",   "del Help\\CorvaneEnginesV70.pdf",
    "del Help\\Engine.hlp", "del Help\\Engine.cnt",
    "del Help\\Engine.gid", "del Help\\Engine.fts"};

const std::vector<std::string> kSharedEngineFilesKept = {"find Bin\\*ENG.DLL", "close"};

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

struct PlanCase {
  const char* name;
  int productId;
  bool release70;
  std::vector<std::string> present;  // files on the machine, relative
  std::vector<std::string> plan;
  std::string library = "Zeltar32.xll";
};

void runCase(const PlanCase& c, FakePlatform& machine) {
  for (const std::string& file : c.present) machine.addFile(kInstallDir + file, file);
  ProductNames names;
  composeNames(c.productId, c.release70 ? "7.0" : "3.5", c.release70, &names);
  FixedText<256> installDir, windowsDir, path, target;
  ASSERT_TRUE(installDir.assign(kInstallDir.c_str()));
  ASSERT_TRUE(windowsDir.assign(kWindowsDir.c_str()));
  const PlanInputs inputs{c.productId, c.release70, installDir, names, &windowsDir};
  removeFiles(machine, inputs, path, target);
}

TEST(RemovalPlanTest, EveryProductAndLayoutRunsItsSteps) {
  const std::vector<std::string> legacyRestore = {
      "del Vecsum32.xll",  "del Examples.xls",
      "attr Zeltar32.dl0", "move Zeltar32.dlo > Zeltar32.dll",
      "attr Zeltar.xl0",   "move Zeltar.xlo > Zeltar.xla"};
  const PlanCase cases[] = {
      {"0, 7.0",
       0,
       true,
       {},
       join({{"cmd"}, ownFiles("Bin\\", "Zeltar32.xll", "Zeltar", "Help\\"), kPlatformExtras70})},
      {"1, 7.0",
       1,
       true,
       {},
       join({{"cmd"}, ownFiles("Bin\\", "Zeltar32.xll", "Zeltar", "Help\\"), kPlatformExtras70})},
      {"2, 7.0, no engine left",
       2,
       true,
       {},
       join({{"cmd"},
             ownFiles("Bin\\", "Zeltar32.xll", "Zeltar", "Help\\"),
             kPlatformExtras70,
             kSharedEngineFiles})},
      {"2, 7.0, an engine left",
       2,
       true,
       {"Bin\\TALNeng.dll"},
       join({{"cmd"},
             ownFiles("Bin\\", "Zeltar32.xll", "Zeltar", "Help\\"),
             kPlatformExtras70,
             kSharedEngineFilesKept})},
      {"0, legacy",
       0,
       false,
       {},
       join({ownFiles("", "Zeltar32.dll", "Zeltar", ""), legacyRestore})},
      {"1, legacy",
       1,
       false,
       {},
       join({ownFiles("", "Zeltar32.dll", "Zeltar", ""), legacyRestore})},
      {"2, legacy: no restore, probe in Bin",
       2,
       false,
       {},
       join({ownFiles("", "Zeltar32.dll", "Zeltar", ""), kSharedEngineFiles})},
      {"3, legacy",
       3,
       false,
       {},
       join({ownFiles("", "TALNeng.dll", "TALNeng", ""), kSharedEngineFiles})},
      {"4, 7.0",
       4,
       true,
       {},
       join({ownFiles("Bin\\", "KEBRAeng.dll", "KEBRAeng", "Help\\"), kSharedEngineFiles})},
      {"5, 7.0, another engine left",
       5,
       true,
       {"Bin\\MORVAeng.dll"},
       join({ownFiles("Bin\\", "WIVOeng.dll", "WIVOeng", "Help\\"), kSharedEngineFilesKept})},
      {"5, 7.0, the last engine",
       5,
       true,
       {"Bin\\WIVOeng.dll", "Bin\\Zeltar32.xll"},
       join({ownFiles("Bin\\", "WIVOeng.dll", "WIVOeng", "Help\\"), kSharedEngineFiles})},
      {"6, legacy, an engine library left in Bin",
       6,
       false,
       {"Bin\\FENWIKENG.DLL"},
       join({ownFiles("", "PELeng.dll", "PELeng", ""), kSharedEngineFilesKept})},
      {"7, 7.0",
       7,
       true,
       {},
       join({ownFiles("Bin\\", "MORVAeng.dll", "MORVAeng", "Help\\"), kSharedEngineFiles})},
      {"8, legacy",
       8,
       false,
       {},
       join({ownFiles("", "FENWIKeng.dll", "FENWIKeng", ""), kSharedEngineFiles})},
      {"9, legacy",
       9,
       false,
       {},
       join({ownFiles("", "ARVELeng.dll", "ARVELeng", ""),
             {"del arvel3_1.dll", "del arvel3_2.dll", "del pthreadVSE.dll"},
             kSharedEngineFiles})},
      {"9, 7.0",
       9,
       true,
       {},
       join({ownFiles("Bin\\", "ARVELeng.dll", "ARVELeng", "Help\\"),
             {"del Bin\\arvel4_0.dll", "del Bin\\pthreadVSE.dll", "del Bin\\libguide40.dll"},
             kSharedEngineFiles})},
      {"10, legacy",
       10,
       false,
       {},
       join({ownFiles("", "QUORINeng.dll", "QUORINeng", ""),
             {"del qrmain32.dll", "del qrns.dll", "del qrnl.dll", "del quorinnh.ini",
              "del qr-base.msg", "del QUORIN ZELTAR.CTP", "del QUORIN ZELTAR.GLB",
              "del QUORIN ZELTAR.SOL"},
             kSharedEngineFiles})},
      {"10, 7.0",
       10,
       true,
       {},
       join({ownFiles("Bin\\", "QUORINeng.dll", "QUORINeng", "Help\\"),
             {"del Bin\\qrns.dll", "del Bin\\qrnl.dll", "del Bin\\QUORIN ZELTAR.CTP",
              "del Bin\\QUORIN ZELTAR.GLB", "del Bin\\QUORIN ZELTAR.SOL"},
             kSharedEngineFiles})},
  };
  for (const PlanCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlatform machine;
    runCase(c, machine);
    EXPECT_EQ(expand(c.plan, c.library), machine.calls);
  }
}

TEST(RemovalPlanTest, DigitZeroBackupTakesPrecedence) {
  struct RestoreCase {
    const char* name;
    std::vector<std::string> backups;
    std::vector<std::string> restore;
    std::vector<std::string> remaining;  // backups and restored files afterwards
  } cases[] = {
      {"both copies of both files",
       {"Zeltar32.dl0", "Zeltar32.dlo", "Zeltar.xl0", "Zeltar.xlo"},
       {"attr Zeltar32.dl0", "move Zeltar32.dl0 > Zeltar32.dll", "attr Zeltar.xl0",
        "move Zeltar.xl0 > Zeltar.xla"},
       {"Zeltar.xla=Zeltar.xl0", "Zeltar.xlo=Zeltar.xlo", "Zeltar32.dll=Zeltar32.dl0",
        "Zeltar32.dlo=Zeltar32.dlo"}},
      {"only the letter-o copies",
       {"Zeltar32.dlo", "Zeltar.xlo"},
       {"attr Zeltar32.dl0", "move Zeltar32.dlo > Zeltar32.dll", "attr Zeltar.xl0",
        "move Zeltar.xlo > Zeltar.xla"},
       {"Zeltar.xla=Zeltar.xlo", "Zeltar32.dll=Zeltar32.dlo"}},
      {"no library backup at all",
       {"Zeltar.xlo"},
       {"attr Zeltar32.dl0", "move Zeltar32.dlo > Zeltar32.dll", "attr Zeltar.xl0",
        "move Zeltar.xlo > Zeltar.xla"},
       {"Zeltar.xla=Zeltar.xlo"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlatform machine;
    std::vector<std::string> present = c.backups;
    present.push_back("Zeltar32.dll");  // the product's own files, deleted first
    present.push_back("Zeltar.xla");
    runCase({c.name, 1, false, present, {}}, machine);
    const std::vector<std::string> expected = join({ownFiles("", "Zeltar32.dll", "Zeltar", ""),
                                                    {"del Vecsum32.xll", "del Examples.xls"},
                                                    c.restore});
    EXPECT_EQ(expand(expected), machine.calls);
    std::vector<std::string> remaining;
    for (const std::string& file : machine.files()) {
      remaining.push_back(file.substr(kInstallDir.size()) + "=" + machine.contentOf(file));
    }
    EXPECT_EQ(c.remaining, remaining);
  }
}

TEST(RemovalPlanTest, FilesOfOtherLayoutsAndProductsAreNotTouched) {
  struct KeptCase {
    int productId;
    bool release70;
    std::vector<std::string> kept;
  } cases[] = {
      {9, false, {"arvel4_0.dll", "libguide40.dll"}},
      {9, true, {"Bin\\arvel3_1.dll", "Bin\\arvel3_2.dll"}},
      {10, true, {"Bin\\qrmain32.dll", "Bin\\quorinnh.ini", "Bin\\qr-base.msg"}},
      {3, true, {"Examples\\Examples.xls", "Help\\CorvanePlatformV70.pdf"}},
      {2, false, {"Vecsum32.xll", "Examples.xls", "Zeltar32.dlo", "Zeltar.xlo"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.productId);
    FakePlatform machine;
    runCase({"kept", c.productId, c.release70, c.kept, {}}, machine);
    for (const std::string& file : c.kept) EXPECT_TRUE(machine.hasFile(kInstallDir + file)) << file;
  }
}

TEST(RemovalPlanTest, WithoutAWindowsDirectoryTheUnregistrationIsSkipped) {
  FakePlatform machine;
  ProductNames names;
  composeNames(0, "7.0", true, &names);
  FixedText<256> installDir, path, target;
  ASSERT_TRUE(installDir.assign(kInstallDir.c_str()));
  removeFiles(machine, {0, true, installDir, names, nullptr}, path, target);
  EXPECT_EQ(
      expand(join({ownFiles("Bin\\", "Zeltar32.xll", "Zeltar", "Help\\"), kPlatformExtras70})),
      machine.calls);
}

TEST(RemovalPlanTest, PathsThatDoNotFitAreNeverComposed) {
  ProductNames names;
  composeNames(0, "3.5", false, &names);
  FixedText<256> path, target;
  // The longest legacy name of product 0 has 12 characters.
  for (size_t length : {243u, 244u}) {
    SCOPED_TRACE(length);
    FixedText<256> installDir;
    ASSERT_TRUE(installDir.assign((std::string(length - 1, 'd') + "\\").c_str()));
    EXPECT_EQ(length == 243u, planPathsFit({0, false, installDir, names, nullptr}, path, target));
  }
}

}  // namespace
}  // namespace vz
