#include "run/selection.h"

#include "catalogue/catalogue.h"

namespace vz {
namespace {

struct VersionTag {
  const char* tag;
  const char* versionText;
};

constexpr char kDefaultVersion[] = "3.5";
constexpr char kRelease70Version[] = "7.0";

constexpr VersionTag kVersionTags[] = {
    {"V40", "4.0"}, {"V50", "5.0"}, {"V55", "5.5"},
    {"V60", "6.0"}, {"V65", "6.5"}, {"V70", kRelease70Version},
};

char foldAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Prefix test: the characters of `code` against the text at `at`, folding
// only the ASCII letters.  The end of the text inside the code mismatches.
bool startsWithCode(const char* at, const char* code) {
  for (; *code != '\0'; ++at, ++code) {
    if (*at == '\0' || foldAsciiLetter(*at) != foldAsciiLetter(*code)) return false;
  }
  return true;
}

// The second token starts after the first run of non-spaces and the spaces
// that follow it.  Only the space character separates tokens here.
const char* secondToken(const char* tail) {
  const char* p = tail;
  while (*p != '\0' && *p != ' ') ++p;
  while (*p == ' ') ++p;
  return p;
}

const char* versionFor(const char* tag) {
  if (*tag == '\0') return kDefaultVersion;
  for (const VersionTag& row : kVersionTags) {
    if (startsWithCode(tag, row.tag)) return row.versionText;
  }
  return kDefaultVersion;
}

}  // namespace

bool selectProduct(const char* tail, Selection* selection) {
  for (int id = 0; id < kProductCount; ++id) {
    if (!startsWithCode(tail, kProductProfiles[id].code)) continue;
    selection->productId = id;
    selection->versionText = versionFor(secondToken(tail));
    selection->release70 = selection->versionText == kRelease70Version;
    return true;
  }
  return false;
}

}  // namespace vz
