// The uninstall run: one pass from the command tail to the final message.
#pragma once

#include "platform/platform.h"

namespace vz {

// Runs the whole uninstall for `commandTail` and returns the process exit
// status, which is 0 for every outcome.
int runUninstall(Platform& platform, const char* commandTail);

}  // namespace vz
