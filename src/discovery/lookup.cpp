#include "discovery/lookup.h"

#include "catalogue/catalogue.h"

namespace vz {
namespace {

constexpr char kUninstallValueName[] = "UninstallString";
constexpr uint32_t kValueCapacity = 256;

// The text of string data ends at its first zero byte.  Data returned
// without a terminator ends after its last byte, as long as a zero still
// fits behind it in the buffer; data that fills the buffer without one is
// refused.  Returns the text's length, or -1 when refused.
long terminateValue(unsigned char* data, uint32_t returned) {
  if (returned > kValueCapacity) return -1;
  for (uint32_t i = 0; i < returned; ++i) {
    if (data[i] == '\0') return static_cast<long>(i);
  }
  if (returned == kValueCapacity) return -1;
  data[returned] = '\0';
  return static_cast<long>(returned);
}

// Position of the last backslash among the first `length` bytes, or -1.
long lastBackslash(const char* text, size_t length) {
  for (size_t i = length; i > 0; --i) {
    if (text[i - 1] == '\\') return static_cast<long>(i - 1);
  }
  return -1;
}

size_t quotedLength(const char* text, size_t length) {
  size_t n = 0;
  while (n < length && text[n] != '"') ++n;
  return n;
}

}  // namespace

bool directoryOfCommand(const char* command, size_t length, TextBuffer& installDir) {
  const char* scanned = command;
  size_t scanLength = length;
  if (length > 0 && command[0] == '"') {
    scanned = command + 1;
    scanLength = quotedLength(scanned, length - 1);
  }
  const long backslash = lastBackslash(scanned, scanLength);
  if (backslash < 0) return false;
  return installDir.assign(scanned, static_cast<size_t>(backslash) + 1);
}

LookupResult lookUpInstallDir(Platform& platform, const TextBuffer& displayName,
                              TextBuffer& keyPathBuffer, KeyHandle& key, TextBuffer& installDir) {
  if (!keyPathBuffer.assign(kUninstallListPath) || !appendEntryName(keyPathBuffer, displayName)) {
    return LookupResult::kNotFound;
  }
  if (platform.openMachineKey(keyPathBuffer.c_str(), kKeyQueryValue, &key) != kRegistrySuccess) {
    return LookupResult::kNotFound;
  }
  unsigned char value[kValueCapacity];
  uint32_t size = kValueCapacity;
  uint32_t type = 0;
  // On the two failures after a successful open the key stays open; the
  // process releases it when the run ends a moment later.
  if (platform.queryValue(key, kUninstallValueName, &type, value, &size) != kRegistrySuccess) {
    return LookupResult::kNotFound;
  }
  if (type != kRegString) return LookupResult::kNotFound;
  platform.closeKey(key);

  const long length = terminateValue(value, size);
  if (length < 0) return LookupResult::kNotFound;
  const char* command = reinterpret_cast<const char*>(value);
  if (!directoryOfCommand(command, static_cast<size_t>(length), installDir)) {
    return LookupResult::kNoPath;
  }
  return LookupResult::kFound;
}

}  // namespace vz
