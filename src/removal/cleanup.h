// The close of a confirmed run: the product's two registry keys go, then the
// completion message.
#pragma once

#include "catalogue/catalogue.h"
#include "platform/fixed_text.h"
#include "platform/platform.h"

namespace vz {

// Deletes the version key below the vendor key and the product's uninstall
// entry, then shows the completion message.  No result changes the course:
// a parent key that cannot be opened only skips its own deletion.
void deleteKeysAndReport(Platform& platform, const ProductNames& names, TextBuffer& keyPathBuffer,
                         KeyHandle& key, TextBuffer& messageBuffer);

}  // namespace vz
