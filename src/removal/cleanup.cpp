#include "removal/cleanup.h"

#include "run/messages.h"

namespace vz {
namespace {

void deleteBelow(Platform& platform, const char* parentPath, const char* subkey, KeyHandle& key) {
  if (platform.openMachineKey(parentPath, kKeySetValue, &key) != kRegistrySuccess) return;
  platform.deleteSubkey(key, subkey);
  platform.closeKey(key);
}

}  // namespace

void deleteKeysAndReport(Platform& platform, const ProductNames& names, TextBuffer& keyPathBuffer,
                         KeyHandle& key, TextBuffer& messageBuffer) {
  deleteBelow(platform, kVendorKeyPath, names.vendorKeyName.c_str(), key);
  keyPathBuffer.clear();
  if (appendEntryName(keyPathBuffer, names.displayName)) {
    deleteBelow(platform, kUninstallListPath, keyPathBuffer.c_str(), key);
  }
  if (!messages::formatWithName(messageBuffer, messages::kCompletionFormat, names.displayName)) {
    // Cannot happen with the product table's names; never show a cut text.
    (void)messageBuffer.assign(messages::kCaption);
  }
  messages::showFinalMessage(platform, messageBuffer.c_str());
}

}  // namespace vz
