// The last gate before anything is changed: the backup check of a legacy
// platform installation, then the user's confirmation.
#pragma once

#include "platform/fixed_text.h"
#include "platform/platform.h"

namespace vz {

enum class Consent {
  kProceed,    // the user chose OK
  kRefused,    // a final message has been shown
  kCancelled,  // the user chose Cancel, or no answer could be had
};

// Whether this product and layout keeps its standard add-in backups in the
// install directory (products 0 and 1, legacy layout).
bool backupCheckApplies(int productId, bool release70);

// InstallDir + "Zeltar.xlo" into `pathBuffer`; false when it does not fit.
[[nodiscard]] bool composeBackupPath(const TextBuffer& installDir, TextBuffer& pathBuffer);

Consent checkBackupAndConfirm(Platform& platform, int productId, bool release70,
                              const TextBuffer& installDir, const TextBuffer& displayName,
                              TextBuffer& pathBuffer, TextBuffer& messageBuffer);

}  // namespace vz
