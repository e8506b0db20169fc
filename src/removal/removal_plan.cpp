#include "removal/removal_plan.h"

namespace vz {
namespace {

// Subdirectories of the install directory.  The legacy layout keeps every
// product file in the install directory itself.
constexpr char kInstallRoot[] = "";
constexpr char kBinDir[] = "Bin\\";
constexpr char kHelpDir[] = "Help\\";
constexpr char kExamplesDir[] = "Examples\\";

constexpr int kMaxGroupNames = 8;

// Names deleted one after the other in one directory.
struct FileGroup {
  const char* directory;
  const char* names[kMaxGroupNames];  // ends at the first null
};

// Step 3: the extra files of two engines, by layout.
struct EngineExtras {
  int productId;
  bool release70;
  FileGroup files;
};

constexpr int kArvelId = 9;
constexpr int kQuorinId = 10;

// clang-format off
constexpr EngineExtras kEngineExtras[] = {
    {kArvelId,  true,  {kBinDir,      {"arvel4_0.dll", "pthreadVSE.dll", "libguide40.dll"}}},
    {kArvelId,  false, {kInstallRoot, {"arvel3_1.dll", "arvel3_2.dll", "pthreadVSE.dll"}}},
    {kQuorinId, true,  {kBinDir,      {"qrns.dll", "qrnl.dll",
                                       "QUORIN ZELTAR.CTP", "QUORIN ZELTAR.GLB", "QUORIN ZELTAR.SOL"}}},
    {kQuorinId, false, {kInstallRoot, {"qrmain32.dll", "qrns.dll", "qrnl.dll", "quorinnh.ini",
                                       "qr-base.msg",
                                       "QUORIN ZELTAR.CTP", "QUORIN ZELTAR.GLB", "QUORIN ZELTAR.SOL"}}},
};

// Step 4, 7.0 layout: the platform manual and the example workbooks.
constexpr FileGroup kPlatformManual   = {kInstallRoot, {"Help\\CorvanePlatformV70.pdf"}};
constexpr FileGroup kExampleWorkbooks = {kExamplesDir, {"Examples.xls", "Fleetplan.xls",
                                                        "Blendmix.xls", "Sheetcut.xls"}};

// Step 4, legacy layout of products 0 and 1.
constexpr FileGroup kLegacyPlatformExtras = {kInstallRoot, {"Vecsum32.xll", "Examples.xls"}};

// The backup copies of Excel's standard add-in.  The copy ending in the digit
// zero takes precedence over the one ending in the letter o.
constexpr char kLibraryBackupDigitZero[] = "Zeltar32.dl0";
constexpr char kLibraryBackupLetterO[]   = "Zeltar32.dlo";
constexpr char kAddinBackupDigitZero[]   = "Zeltar.xl0";
constexpr char kAddinBackupLetterO[]     = "Zeltar.xlo";

// Step 5: the files all engines share, kept while any engine library is left.
constexpr char kEngineLibraryPattern[] = "Bin\\*ENG.DLL";
constexpr FileGroup kSharedEngineFiles = {kInstallRoot, {"Help\\CorvaneEnginesV70.pdf",
                                                         "Help\\Engine.hlp", "Help\\Engine.cnt",
                                                         "Help\\Engine.gid", "Help\\Engine.fts"}};
// clang-format on

// Step 1: "<windir>\system32\regsvr32 /u /s "<InstallDir>Bin\<library>"".
constexpr char kToolPath[] = "\\system32\\regsvr32";
constexpr char kUnregisterSwitches[] = " /u /s \"";
constexpr char kQuote[] = "\"";

class Plan {
 public:
  Plan(const PlanInputs& in, TextBuffer& pathBuffer, TextBuffer& targetPathBuffer,
       PlanActions& actions)
      : in_(in), pathBuffer_(pathBuffer), targetPathBuffer_(targetPathBuffer), actions_(actions) {}

  void run() {
    if (planUnregisters(in_.productId, in_.release70)) unregisterLibrary();
    removeOwnFiles();
    removeEngineExtras();
    if (in_.release70 && isPlatformProduct(in_.productId)) removePlatformExtras();
    if (!in_.release70 && in_.productId <= 1) removeLegacyExtrasAndRestoreAddin();
    if (in_.productId >= 2) removeSharedEngineFilesIfLast();
  }

 private:
  const char* libraryDir() const { return in_.release70 ? kBinDir : kInstallRoot; }
  const char* helpDir() const { return in_.release70 ? kHelpDir : kInstallRoot; }

  bool compose(TextBuffer& out, const char* directory, const char* name) {
    if (out.assign(in_.installDir.c_str(), in_.installDir.size()) && out.append(directory) &&
        out.append(name)) {
      return true;
    }
    out.clear();
    actions_.pathTooLong();
    return false;
  }

  void remove(const char* directory, const char* name) {
    if (compose(pathBuffer_, directory, name)) actions_.removeFile(pathBuffer_.c_str());
  }

  void remove(const FileGroup& group) {
    for (const char* name : group.names) {
      if (name == nullptr) break;
      remove(group.directory, name);
    }
  }

  void unregisterLibrary() {
    if (in_.windowsDir == nullptr) return;
    if (pathBuffer_.assign(in_.windowsDir->c_str()) && pathBuffer_.append(kToolPath) &&
        pathBuffer_.append(kUnregisterSwitches) && pathBuffer_.append(in_.installDir) &&
        pathBuffer_.append(kBinDir) && pathBuffer_.append(in_.names.libraryFile) &&
        pathBuffer_.append(kQuote)) {
      actions_.unregisterLibrary(pathBuffer_.c_str());
      return;
    }
    pathBuffer_.clear();
    actions_.pathTooLong();
  }

  void removeOwnFiles() {
    remove(libraryDir(), in_.names.libraryFile.c_str());
    remove(libraryDir(), in_.names.addinFile.c_str());
    for (const auto& helpFile : in_.names.helpFiles) remove(helpDir(), helpFile.c_str());
  }

  void removeEngineExtras() {
    for (const EngineExtras& row : kEngineExtras) {
      if (row.productId == in_.productId && row.release70 == in_.release70) remove(row.files);
    }
  }

  void removePlatformExtras() {
    remove(kPlatformManual);
    remove(kExampleWorkbooks);
  }

  void removeLegacyExtrasAndRestoreAddin() {
    remove(kLegacyPlatformExtras);
    restoreFromBackup(kLibraryBackupDigitZero, kLibraryBackupLetterO, in_.names.libraryFile);
    restoreFromBackup(kAddinBackupDigitZero, kAddinBackupLetterO, in_.names.addinFile);
  }

  // The letter-o copy is moved untested: when it is missing too, the move
  // simply fails.
  void restoreFromBackup(const char* digitZeroCopy, const char* letterOCopy,
                         const TextBuffer& standardName) {
    if (!compose(pathBuffer_, kInstallRoot, digitZeroCopy)) return;
    if (!actions_.exists(pathBuffer_.c_str()) && !compose(pathBuffer_, kInstallRoot, letterOCopy))
      return;
    if (!compose(targetPathBuffer_, kInstallRoot, standardName.c_str())) return;
    actions_.moveFile(pathBuffer_.c_str(), targetPathBuffer_.c_str());
  }

  void removeSharedEngineFilesIfLast() {
    if (!compose(pathBuffer_, kInstallRoot, kEngineLibraryPattern)) return;
    if (actions_.engineLibraryRemains(pathBuffer_.c_str())) return;
    remove(kSharedEngineFiles);
  }

  const PlanInputs& in_;
  TextBuffer& pathBuffer_;
  TextBuffer& targetPathBuffer_;
  PlanActions& actions_;
};

// Answers every question so that every path is composed: no backup with the
// digit zero (so the letter-o path is composed as well) and no engine left
// (so the shared files are composed).
class FitCheck : public PlanActions {
 public:
  void unregisterLibrary(const char*) override {}
  void removeFile(const char*) override {}
  bool exists(const char*) override { return false; }
  void moveFile(const char*, const char*) override {}
  bool engineLibraryRemains(const char*) override { return false; }
  void pathTooLong() override { fits = false; }
  bool fits = true;
};

class MachineActions : public PlanActions {
 public:
  explicit MachineActions(Platform& platform) : platform_(platform) {}
  void unregisterLibrary(const char* commandLine) override { platform_.runCommand(commandLine); }
  void removeFile(const char* path) override { platform_.removeFile(path); }
  bool exists(const char* path) override {
    return platform_.fileAttributes(path) != kInvalidFileAttributes;
  }
  void moveFile(const char* from, const char* to) override { platform_.renameFile(from, to); }
  bool engineLibraryRemains(const char* pattern) override {
    const SearchHandle search = platform_.findFirstFile(pattern);
    if (search == kInvalidSearch) return false;
    platform_.findClose(search);
    return true;
  }

 private:
  Platform& platform_;
};

}  // namespace

bool planUnregisters(int productId, bool release70) {
  return release70 && isPlatformProduct(productId);
}

void runRemovalPlan(const PlanInputs& inputs, TextBuffer& pathBuffer, TextBuffer& targetPathBuffer,
                    PlanActions& actions) {
  Plan(inputs, pathBuffer, targetPathBuffer, actions).run();
}

bool planPathsFit(const PlanInputs& inputs, TextBuffer& pathBuffer, TextBuffer& targetPathBuffer) {
  FitCheck check;
  runRemovalPlan(inputs, pathBuffer, targetPathBuffer, check);
  return check.fits;
}

void removeFiles(Platform& platform, const PlanInputs& inputs, TextBuffer& pathBuffer,
                 TextBuffer& targetPathBuffer) {
  MachineActions machine(platform);
  runRemovalPlan(inputs, pathBuffer, targetPathBuffer, machine);
}

}  // namespace vz
