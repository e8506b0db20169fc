#include "catalogue/catalogue.h"

namespace vz {

// clang-format off
const ProductProfile kProductProfiles[kProductCount] = {
    // code      displayPrefix                     vendorSubkey                 addinBase    libraryBase
    {"VANT",   "Vantor Zeltar V",                "VantorZeltar\\",           "Zeltar",    "Zeltar32"},
    {"VZP",    "Vantor Zeltar Platform V",       "VantorZeltarPlatform\\",   "Zeltar",    "Zeltar32"},
    {"VZE",    "Vantor Zeltar for Education V",  "VantorZeltarEducation\\",  "Zeltar",    "Zeltar32"},
    {"TALN",   "Talnor Zeltar V",                "TalnorZeltar\\",           "TALNeng",   "TALNeng"},
    {"KEBRA",  "Kebrant Zeltar V",               "KebrantZeltar\\",          "KEBRAeng",  "KEBRAeng"},
    {"WIVO",   "WIVORNET Zeltar V",              "WIVORNETZeltar\\",         "WIVOeng",   "WIVOeng"},
    {"PEL",    "PEL Global Zeltar V",            "PELGlobalZeltar\\",        "PELeng",    "PELeng"},
    {"MORVA",  "Morvant Zeltar V",               "MorvantZeltar\\",          "MORVAeng",  "MORVAeng"},
    {"FENWIK", "FENWIK Zeltar V",                "FENWIKZeltar\\",           "FENWIKeng", "FENWIKeng"},
    {"ARVEL",  "ARVEL Zeltar V",                 "ARVELZeltar\\",            "ARVELeng",  "ARVELeng"},
    {"QUORIN", "QUORIN Zeltar Engine V",         "QUORINZeltarEngine\\",     "QUORINeng", "QUORINeng"},
};
// clang-format on

namespace {

constexpr const char* kHelpExtensions[4] = {".hlp", ".cnt", ".gid", ".fts"};

void join(TextBuffer& out, const char* first, const char* second) {
  // The table's longest row and version fit every buffer; a refusal here
  // would leave the name empty, never shortened.
  if (!out.assign(first) || !out.append(second)) out.clear();
}

const char* libraryExtension(int productId, bool release70) {
  return (release70 && isPlatformProduct(productId)) ? ".xll" : ".dll";
}

}  // namespace

void composeNames(int productId, const char* versionText, bool release70, ProductNames* names) {
  const ProductProfile& profile = kProductProfiles[productId];
  join(names->vendorKeyName, profile.vendorSubkey, versionText);
  join(names->displayName, profile.displayPrefix, versionText);
  join(names->libraryFile, profile.libraryBase, libraryExtension(productId, release70));
  join(names->addinFile, profile.addinBase, ".xla");
  for (int i = 0; i < 4; ++i) join(names->helpFiles[i], profile.addinBase, kHelpExtensions[i]);
}

bool appendEntryName(TextBuffer& out, const TextBuffer& displayName) {
  const size_t before = out.size();
  if (out.append(kEntryNamePrefix) && out.append(displayName)) return true;
  out.truncate(before);
  return false;
}

}  // namespace vz
