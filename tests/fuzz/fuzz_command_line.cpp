// Fuzzes the command-tail derivation and the selection with whole command
// lines.  The first byte picks the code page's lead bytes (none, or a
// double-byte range); the rest is the command line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "catalogue/catalogue.h"
#include "run/command_tail.h"
#include "run/selection.h"

namespace {

bool noLeadBytes(unsigned char) { return false; }
bool doubleByteLeads(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

void require(bool property) {
  if (!property) std::abort();
}

const char* const kVersions[] = {"3.5", "4.0", "5.0", "5.5", "6.0", "6.5", "7.0"};

bool knownVersion(const char* version) {
  for (const char* v : kVersions) {
    if (version == v || std::strcmp(version, v) == 0) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const vz::LeadByteTest leads = (data[0] & 1) ? doubleByteLeads : noLeadBytes;
  // An exact-size copy, so that any read past the terminator is caught.
  char* line = static_cast<char*>(std::malloc(size));
  std::memcpy(line, data + 1, size - 1);
  line[size - 1] = '\0';
  const size_t length = std::strlen(line);

  const char* tail = vz::commandTail(line, leads);
  require(tail >= line && tail <= line + length);
  require(*tail == '\0' || static_cast<unsigned char>(*tail) > 0x20);

  vz::Selection selection;
  if (vz::selectProduct(tail, &selection)) {
    require(selection.productId >= 0 && selection.productId < vz::kProductCount);
    require(knownVersion(selection.versionText));
    require(selection.release70 == (std::strcmp(selection.versionText, "7.0") == 0));
    vz::ProductNames names;
    vz::composeNames(selection.productId, selection.versionText, selection.release70, &names);
    require(!names.displayName.empty() && !names.vendorKeyName.empty());
    require(!names.libraryFile.empty() && !names.addinFile.empty());
  }
  std::free(line);
  return 0;
}
