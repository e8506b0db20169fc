// Which product and version the command tail names.
#pragma once

namespace vz {

struct Selection {
  int productId = 0;             // row of the product code table, 0 to 10
  const char* versionText = "";  // one of the seven fixed version texts
  bool release70 = false;        // versionText is "7.0"
};

// Reads the tail: a product code as the first token, an optional version tag
// as the second.  Returns false when no product code matches.
bool selectProduct(const char* tail, Selection* selection);

}  // namespace vz
