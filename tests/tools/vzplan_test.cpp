#include <gtest/gtest.h>

#include <string>

#include "describe.h"

namespace vz::plan {
namespace {

std::string report(const std::string& tail, const std::string& installDir) {
  Request request;
  request.tail = tail;
  request.installDir = installDir;
  return renderText(request, describe(request));
}

// The typical run: VZP V70 installed in C:\Apps\VZP\.
TEST(VzplanTest, TypicalReleaseSevenPlatformRun) {
  const std::string expected = R"(vzuninst.exe VZP V70
install directory C:\Apps\VZP\

  1. read       HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane Systems Vantor Zeltar Platform V7.0  value "UninstallString"
  2. windir     C:\WINDOWS
  3. ask        [OK Cancel] "To remove the Vantor Zeltar Platform V7.0,\nclick OK.  Otherwise click Cancel."  (only OK goes on)
  4. run        C:\WINDOWS\system32\regsvr32 /u /s "C:\Apps\VZP\Bin\Zeltar32.xll"
  5. delete     C:\Apps\VZP\Bin\Zeltar32.xll
  6. delete     C:\Apps\VZP\Bin\Zeltar.xla
  7. delete     C:\Apps\VZP\Help\Zeltar.hlp
  8. delete     C:\Apps\VZP\Help\Zeltar.cnt
  9. delete     C:\Apps\VZP\Help\Zeltar.gid
 10. delete     C:\Apps\VZP\Help\Zeltar.fts
 11. delete     C:\Apps\VZP\Help\CorvanePlatformV70.pdf
 12. delete     C:\Apps\VZP\Examples\Examples.xls
 13. delete     C:\Apps\VZP\Examples\Fleetplan.xls
 14. delete     C:\Apps\VZP\Examples\Blendmix.xls
 15. delete     C:\Apps\VZP\Examples\Sheetcut.xls
 16. delete-key HKLM\Software\CorvaneSystems\VantorZeltarPlatform\7.0
 17. delete-key HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane Systems Vantor Zeltar Platform V7.0
 18. show       [OK] "The Vantor Zeltar Platform V7.0 files\nhave been removed.  Thank you."  (the run ends)
)";
  EXPECT_EQ(expected, report("VZP V70", "C:\\Apps\\VZP\\"));
}

TEST(VzplanTest, BranchesOfTheRestoreAndTheBackupCheck) {
  const std::string text = report("VANT", "C:\\V\\");
  EXPECT_NE(std::string::npos, text.find(R"(  2. test       C:\V\Zeltar.xlo
      if present: the run goes on below
      if absent:
          show       [OK] "Backup copies)"));
  EXPECT_NE(std::string::npos, text.find(R"( 12. test       C:\V\Zeltar32.dl0
      if present:
          move       C:\V\Zeltar32.dl0  ->  C:\V\Zeltar32.dll
      if absent:
          move       C:\V\Zeltar32.dlo  ->  C:\V\Zeltar32.dll
 13. test       C:\V\Zeltar.xl0)"));
}

TEST(VzplanTest, RunsThatEndEarlyShowTheirFinalMessage) {
  EXPECT_NE(std::string::npos,
            report("XYZ", "C:\\V\\")
                .find("  1. show       [OK] \"Command line argument not recognized\""));
  const std::string longDir = "C:\\" + std::string(230, 'd') + "\\";
  EXPECT_NE(
      std::string::npos,
      report("TALN", longDir).find("  2. show       [OK] \"Install directory path is too long\""));
}

TEST(VzplanTest, RefusesUnusableInstallDirectories) {
  const char* bad[] = {"", "C:\\Apps", "\"C:\\Apps\\"};
  for (const char* dir : bad) {
    Request request;
    request.tail = "VZP";
    request.installDir = dir;
    EXPECT_FALSE(validate(request).empty()) << dir;
  }
  Request request;
  request.installDir = "C:\\" + std::string(252, 'd') + "\\";  // 256 characters
  EXPECT_FALSE(validate(request).empty());
  request.installDir.erase(3, 1);
  EXPECT_TRUE(validate(request).empty());
}

}  // namespace
}  // namespace vz::plan
