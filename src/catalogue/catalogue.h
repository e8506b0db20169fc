// The eleven products of the family and the names composed for one product
// and version.
#pragma once

#include "platform/fixed_text.h"

namespace vz {

struct ProductProfile {
  const char* code;           // command-line code
  const char* displayPrefix;  // display name up to the "V" before the version
  const char* vendorSubkey;   // key name below the vendor key, ending in "\"
  const char* addinBase;      // base name of the add-in workbook and help files
  const char* libraryBase;    // base name of the add-in library
};

constexpr int kProductCount = 11;
constexpr int kFirstEngineId = 3;  // rows 0 to 2 are the platform products

extern const ProductProfile kProductProfiles[kProductCount];

inline bool isPlatformProduct(int productId) { return productId < kFirstEngineId; }

// Registry keys below HKEY_LOCAL_MACHINE, each ending in a backslash and
// passed to the registry as they stand.
inline constexpr char kVendorKeyPath[] = "Software\\CorvaneSystems\\";
inline constexpr char kUninstallListPath[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// "Corvane Systems " + display name names the product's uninstall entry.
inline constexpr char kEntryNamePrefix[] = "Corvane Systems ";

struct ProductNames {
  FixedText<64> vendorKeyName;  // vendorSubkey + version, e.g. "VantorZeltar\7.0"
  FixedText<64> displayName;    // displayPrefix + version
  FixedText<32> addinFile;      // addinBase + ".xla"
  FixedText<32> libraryFile;    // libraryBase + ".xll" (7.0 platform) or ".dll"
  FixedText<32> helpFiles[4];   // addinBase + ".hlp", ".cnt", ".gid", ".fts"
};

// Fills every name for the product and version.  Every row and version fits
// the buffers with room to spare, so this cannot fail.
void composeNames(int productId, const char* versionText, bool release70, ProductNames* names);

// "Corvane Systems " + displayName, appended to `out`.  False when it does
// not fit, with `out` unchanged.
[[nodiscard]] bool appendEntryName(TextBuffer& out, const TextBuffer& displayName);

}  // namespace vz
