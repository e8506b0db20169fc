#include "removal/confirmation.h"

#include "run/messages.h"

namespace vz {
namespace {

// Only the copy ending in the letter o is looked for here.
constexpr char kAddinBackup[] = "Zeltar.xlo";

bool backupPresent(Platform& platform, const TextBuffer& path) {
  return platform.fileAttributes(path.c_str()) != kInvalidFileAttributes;
}

}  // namespace

bool backupCheckApplies(int productId, bool release70) {
  return !release70 && (productId == 0 || productId == 1);
}

bool composeBackupPath(const TextBuffer& installDir, TextBuffer& pathBuffer) {
  return pathBuffer.assign(installDir.c_str(), installDir.size()) &&
         pathBuffer.append(kAddinBackup);
}

Consent checkBackupAndConfirm(Platform& platform, int productId, bool release70,
                              const TextBuffer& installDir, const TextBuffer& displayName,
                              TextBuffer& pathBuffer, TextBuffer& messageBuffer) {
  if (backupCheckApplies(productId, release70)) {
    if (!composeBackupPath(installDir, pathBuffer)) {
      messages::showFinalMessage(platform, messages::kPathTooLong);
      return Consent::kRefused;
    }
    if (!backupPresent(platform, pathBuffer)) {
      messages::showFinalMessage(platform, messages::kBackupMissing);
      return Consent::kRefused;
    }
  }
  if (!messages::formatWithName(messageBuffer, messages::kConfirmFormat, displayName)) {
    return Consent::kCancelled;
  }
  // MessageBoxA answers 0 when it cannot show the box: only an explicit OK
  // lets the run change the machine.
  const int answer = platform.showMessage(messageBuffer.c_str(), messages::kCaption, kBoxOkCancel);
  return answer == kAnswerOk ? Consent::kProceed : Consent::kCancelled;
}

}  // namespace vz
