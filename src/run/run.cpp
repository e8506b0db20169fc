#include "run/run.h"

#include "catalogue/catalogue.h"
#include "discovery/lookup.h"
#include "removal/cleanup.h"
#include "removal/confirmation.h"
#include "removal/removal_plan.h"
#include "run/messages.h"
#include "run/selection.h"

namespace vz {
namespace {

constexpr int kExitStatus = 0;

// Everything the run knows, in fixed-capacity storage that lives from the
// start of the run to its end.
struct RunState {
  Selection selection;
  ProductNames names;
  FixedText<256> installDir;
  FixedText<256> windowsDir;
  FixedText<128> keyPathBuffer;
  FixedText<256> pathBuffer;
  FixedText<256> targetPathBuffer;
  FixedText<256> messageBuffer;
  KeyHandle key = 0;
};

enum class WindowsDir { kKnown, kUnknown, kTooLong };

// The unregistration tool lives below the Windows directory: the "windir"
// variable names it, and the system's own answer stands in when it is unset.
WindowsDir findWindowsDir(Platform& platform, TextBuffer& windowsDir) {
  switch (platform.environmentVariable("windir", windowsDir)) {
    case Platform::Lookup::kFound:
      return WindowsDir::kKnown;
    case Platform::Lookup::kTooLong:
      return WindowsDir::kTooLong;
    case Platform::Lookup::kNotSet:
      break;
  }
  return platform.windowsDirectory(windowsDir) ? WindowsDir::kKnown : WindowsDir::kUnknown;
}

int endWith(Platform& platform, const char* text) {
  messages::showFinalMessage(platform, text);
  return kExitStatus;
}

const char* lookupFailureMessage(LookupResult result) {
  return result == LookupResult::kNoPath ? messages::kNoPath : messages::kEntryNotFound;
}

// Every path and command line the rest of the run will compose must fit its
// buffer whole, before the user is asked anything.
bool everyPathFits(RunState& state, const PlanInputs& plan) {
  if (backupCheckApplies(plan.productId, plan.release70) &&
      !composeBackupPath(state.installDir, state.pathBuffer)) {
    return false;
  }
  return planPathsFit(plan, state.pathBuffer, state.targetPathBuffer);
}

}  // namespace

int runUninstall(Platform& platform, const char* commandTail) {
  RunState state;
  Selection& selection = state.selection;
  if (!selectProduct(commandTail, &selection)) return endWith(platform, messages::kNotRecognized);

  composeNames(selection.productId, selection.versionText, selection.release70, &state.names);

  const LookupResult lookup = lookUpInstallDir(platform, state.names.displayName,
                                               state.keyPathBuffer, state.key, state.installDir);
  if (lookup != LookupResult::kFound) return endWith(platform, lookupFailureMessage(lookup));

  const TextBuffer* windowsDir = nullptr;
  if (planUnregisters(selection.productId, selection.release70)) {
    const WindowsDir found = findWindowsDir(platform, state.windowsDir);
    if (found == WindowsDir::kTooLong) return endWith(platform, messages::kPathTooLong);
    if (found == WindowsDir::kKnown) windowsDir = &state.windowsDir;
  }
  const PlanInputs plan{selection.productId, selection.release70, state.installDir, state.names,
                        windowsDir};
  if (!everyPathFits(state, plan)) return endWith(platform, messages::kPathTooLong);

  const Consent consent =
      checkBackupAndConfirm(platform, selection.productId, selection.release70, state.installDir,
                            state.names.displayName, state.pathBuffer, state.messageBuffer);
  if (consent != Consent::kProceed) return kExitStatus;

  removeFiles(platform, plan, state.pathBuffer, state.targetPathBuffer);
  deleteKeysAndReport(platform, state.names, state.keyPathBuffer, state.key, state.messageBuffer);
  return kExitStatus;
}

}  // namespace vz
