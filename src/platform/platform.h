// The program's one seam to the operating system.  Every phase of the run
// reaches the registry, the file system, the message box, the environment
// and the command interpreter through this interface and nothing else, so
// the whole run can be exercised against an in-memory machine in tests.
//
// Method names deliberately avoid the names that <windows.h> turns into
// macros (DeleteFile, MoveFile, MessageBox, ...).  All text is 8-bit ANSI.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/fixed_text.h"

namespace vz {

// An open registry key or file search, as the platform hands it out.
using KeyHandle = uintptr_t;
using SearchHandle = uintptr_t;

// The Win32 values the run relies on, spelled out so that portable code
// never needs <windows.h>.
constexpr long kRegistrySuccess = 0;         // ERROR_SUCCESS
constexpr uint32_t kKeyQueryValue = 0x0001;  // KEY_QUERY_VALUE
constexpr uint32_t kKeySetValue = 0x0002;    // KEY_SET_VALUE
constexpr uint32_t kRegString = 1;           // REG_SZ
constexpr uint32_t kInvalidFileAttributes = 0xFFFFFFFFu;
constexpr SearchHandle kInvalidSearch = static_cast<SearchHandle>(-1);
constexpr uint32_t kBoxOk = 0;        // MB_OK
constexpr uint32_t kBoxOkCancel = 1;  // MB_OKCANCEL
constexpr int kAnswerOk = 1;          // IDOK
constexpr int kAnswerCancel = 2;      // IDCANCEL

class Platform {
 public:
  virtual ~Platform() = default;

  // --- Registry, below HKEY_LOCAL_MACHINE only ---------------------------

  // RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, access, key).  Returns 0 and
  // sets *key when the key was opened; any other value is the system error.
  virtual long openMachineKey(const char* path, uint32_t access, KeyHandle* key) = 0;

  // RegQueryValueExA(key, name, NULL, type, data, size).  On entry *size is
  // the capacity of `data`; on success it is the number of bytes returned.
  virtual long queryValue(KeyHandle key, const char* name, uint32_t* type, unsigned char* data,
                          uint32_t* size) = 0;

  // RegCloseKey(key).
  virtual long closeKey(KeyHandle key) = 0;

  // RegDeleteKeyA(key, subkey): deletes the key named by the last component
  // of `subkey`; a key that still has subkeys of its own is not deleted.
  virtual long deleteSubkey(KeyHandle key, const char* subkey) = 0;

  // --- Files --------------------------------------------------------------

  // GetFileAttributesA(path): kInvalidFileAttributes when nothing exists
  // there; a directory counts as something.
  virtual uint32_t fileAttributes(const char* path) = 0;

  // DeleteFileA(path): true when the file was removed.
  virtual bool removeFile(const char* path) = 0;

  // MoveFileA(from, to): true when renamed.  Never replaces an existing
  // destination.
  virtual bool renameFile(const char* from, const char* to) = 0;

  // FindFirstFileA(pattern, &record): kInvalidSearch when nothing matches.
  // Wildcards and letter case follow the platform's rules.
  virtual SearchHandle findFirstFile(const char* pattern) = 0;

  // FindClose(search).
  virtual void findClose(SearchHandle search) = 0;

  // --- Dialogs ------------------------------------------------------------

  // MessageBoxA(NULL, text, caption, style): the button the user chose
  // (kAnswerOk, kAnswerCancel), or 0 when no box could be shown.
  virtual int showMessage(const char* text, const char* caption, uint32_t style) = 0;

  // --- Environment ----------------------------------------------------------

  // GetEnvironmentVariableA(name, ...): fills `value` when the variable is
  // set and its text fits.
  enum class Lookup { kFound, kNotSet, kTooLong };
  virtual Lookup environmentVariable(const char* name, TextBuffer& value) = 0;

  // GetWindowsDirectoryA: true and `directory` filled when it fits.
  virtual bool windowsDirectory(TextBuffer& directory) = 0;

  // --- Command interpreter ------------------------------------------------

  // Runs `commandLine` through the command interpreter (COMSPEC /c, as the
  // C runtime's system() does) and waits until the interpreter has ended.
  // Its exit status is of no interest to the run.
  virtual void runCommand(const char* commandLine) = 0;
};

}  // namespace vz
