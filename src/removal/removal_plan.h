// The file removal plan: which files a confirmed run unregisters, deletes,
// tests, moves back and probes, in which order.  The plan is composed apart
// from the platform; the operations go to a PlanActions, which carries them
// out (on the machine), only checks that every path fits (before the user
// is asked), or describes them.
#pragma once

#include "catalogue/catalogue.h"
#include "platform/fixed_text.h"
#include "platform/platform.h"

namespace vz {

struct PlanInputs {
  int productId;
  bool release70;
  const TextBuffer& installDir;  // ends in a backslash
  const ProductNames& names;
  // The Windows directory for the unregistration tool; null when the run
  // has none, which skips the unregistration.
  const TextBuffer* windowsDir;
};

class PlanActions {
 public:
  virtual ~PlanActions() = default;
  virtual void unregisterLibrary(const char* commandLine) = 0;
  virtual void removeFile(const char* path) = 0;
  // Whether something (a file or a directory) exists at `path`.
  virtual bool exists(const char* path) = 0;
  virtual void moveFile(const char* from, const char* to) = 0;
  // Whether any file matches the engine-library pattern.
  virtual bool engineLibraryRemains(const char* pattern) = 0;
  // A path or command line did not fit its buffer; its operation is skipped.
  virtual void pathTooLong() {}
};

// Whether the plan runs the unregistration tool (7.0 platform products).
bool planUnregisters(int productId, bool release70);

// Runs the plan's five steps in order.  `pathBuffer` and `targetPathBuffer` are the
// run's 256-byte working buffers.
void runRemovalPlan(const PlanInputs& inputs, TextBuffer& pathBuffer, TextBuffer& targetPathBuffer,
                    PlanActions& actions);

// Whether every path and command line the plan can compose, on every branch,
// fits its buffer.
bool planPathsFit(const PlanInputs& inputs, TextBuffer& pathBuffer, TextBuffer& targetPathBuffer);

// Carries the plan out on the machine; results are not looked at.
void removeFiles(Platform& platform, const PlanInputs& inputs, TextBuffer& pathBuffer,
                 TextBuffer& targetPathBuffer);

}  // namespace vz
