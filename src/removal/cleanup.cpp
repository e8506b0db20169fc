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

void deleteKeysAndReport(Platform& platform, const ProductNames& names, TextBuffer& keyPath,
                         KeyHandle& key, TextBuffer& message) {
  deleteBelow(platform, kVendorKeyPath, names.vendorKeyName.c_str(), key);
  keyPath.clear();
  if (appendEntryName(keyPath, names.displayName)) {
    deleteBelow(platform, kUninstallListPath, keyPath.c_str(), key);
  }
  if (!messages::formatWithName(message, messages::kCompletionFormat, names.displayName)) {
    // Cannot happen with the product table's names; never show a cut text.
    (void)message.assign(messages::kCaption);
  }
  messages::showFinalMessage(platform, message.c_str());
}

}  // namespace vz
