// The only file of the program that includes <windows.h>.
#include "platform/platform_win32.h"

#include <windows.h>

#include <cstdlib>

namespace vz {
namespace {

HKEY toHkey(KeyHandle key) { return reinterpret_cast<HKEY>(key); }

// GetEnvironmentVariableA and GetWindowsDirectoryA answer with the length
// copied, or with the size needed when the buffer was too small.  Both fill
// a scratch buffer larger than any text the run can use; the text becomes
// the run's only when it fits whole.
constexpr DWORD kScratchSize = 1024;

}  // namespace

long Win32Platform::openMachineKey(const char* path, uint32_t access, KeyHandle* key) {
  HKEY opened = nullptr;
  const LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, access, &opened);
  if (result == ERROR_SUCCESS) *key = reinterpret_cast<KeyHandle>(opened);
  return result;
}

long Win32Platform::queryValue(KeyHandle key, const char* name, uint32_t* type, unsigned char* data,
                               uint32_t* size) {
  DWORD valueType = 0;
  DWORD valueSize = *size;
  const LONG result = RegQueryValueExA(toHkey(key), name, nullptr, &valueType, data, &valueSize);
  *type = valueType;
  *size = valueSize;
  return result;
}

long Win32Platform::closeKey(KeyHandle key) { return RegCloseKey(toHkey(key)); }

long Win32Platform::deleteSubkey(KeyHandle key, const char* subkey) {
  return RegDeleteKeyA(toHkey(key), subkey);
}

uint32_t Win32Platform::fileAttributes(const char* path) { return GetFileAttributesA(path); }

bool Win32Platform::removeFile(const char* path) { return DeleteFileA(path) != 0; }

bool Win32Platform::renameFile(const char* from, const char* to) {
  return MoveFileA(from, to) != 0;
}

SearchHandle Win32Platform::findFirstFile(const char* pattern) {
  WIN32_FIND_DATAA record;  // only whether something matched is of interest
  const HANDLE search = FindFirstFileA(pattern, &record);
  if (search == INVALID_HANDLE_VALUE) return kInvalidSearch;
  return reinterpret_cast<SearchHandle>(search);
}

void Win32Platform::findClose(SearchHandle search) { FindClose(reinterpret_cast<HANDLE>(search)); }

int Win32Platform::showMessage(const char* text, const char* caption, uint32_t style) {
  return MessageBoxA(nullptr, text, caption, style);
}

Platform::Lookup Win32Platform::environmentVariable(const char* name, TextBuffer& value) {
  char scratch[kScratchSize];
  const DWORD answer = GetEnvironmentVariableA(name, scratch, kScratchSize);
  if (answer == 0) return Lookup::kNotSet;
  if (answer >= kScratchSize || !value.assign(scratch, answer)) return Lookup::kTooLong;
  return Lookup::kFound;
}

bool Win32Platform::windowsDirectory(TextBuffer& directory) {
  char scratch[kScratchSize];
  const UINT answer = GetWindowsDirectoryA(scratch, kScratchSize);
  return answer != 0 && answer < kScratchSize && directory.assign(scratch, answer);
}

// The C runtime's system() starts COMSPEC with "/c" and the command line
// (cmd.exe when COMSPEC is unset) and waits for it to end.
void Win32Platform::runCommand(const char* commandLine) { (void)std::system(commandLine); }

bool isSystemLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }

}  // namespace vz
