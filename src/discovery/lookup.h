// Finds the install directory through the product's entry in the Windows
// list of installed programs: the directory part of its "UninstallString".
#pragma once

#include "platform/fixed_text.h"
#include "platform/platform.h"

namespace vz {

enum class LookupResult {
  kFound,     // installDir holds the directory, ending in a backslash
  kNotFound,  // no entry, no readable value, or not a plain string
  kNoPath,    // the uninstall command names no directory
};

// Reads "UninstallString" of the entry "Corvane Systems <displayName>".
// `keyPathBuffer` receives the entry's key path; `key` is the run's key handle.
LookupResult lookUpInstallDir(Platform& platform, const TextBuffer& displayName,
                              TextBuffer& keyPathBuffer, KeyHandle& key, TextBuffer& installDir);

// The directory part of an uninstall command of `length` bytes.  A command
// that opens with a double quote is a quoted program path: the directory is
// taken from inside the quotes only.  Otherwise the last backslash anywhere
// in the command ends the directory.  Returns false when there is none.
bool directoryOfCommand(const char* command, size_t length, TextBuffer& installDir);

}  // namespace vz
