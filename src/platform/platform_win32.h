// The platform as Windows provides it: each method forwards to the ANSI
// Win32 function its contract names.
#pragma once

#include "platform/platform.h"

namespace vz {

class Win32Platform : public Platform {
 public:
  long openMachineKey(const char* path, uint32_t access, KeyHandle* key) override;
  long queryValue(KeyHandle key, const char* name, uint32_t* type, unsigned char* data,
                  uint32_t* size) override;
  long closeKey(KeyHandle key) override;
  long deleteSubkey(KeyHandle key, const char* subkey) override;
  uint32_t fileAttributes(const char* path) override;
  bool removeFile(const char* path) override;
  bool renameFile(const char* from, const char* to) override;
  SearchHandle findFirstFile(const char* pattern) override;
  void findClose(SearchHandle search) override;
  int showMessage(const char* text, const char* caption, uint32_t style) override;
  Lookup environmentVariable(const char* name, TextBuffer& value) override;
  bool windowsDirectory(TextBuffer& directory) override;
  void runCommand(const char* commandLine) override;
};

// IsDBCSLeadByte, for the command-tail derivation.
bool isSystemLeadByte(unsigned char byte);

}  // namespace vz
