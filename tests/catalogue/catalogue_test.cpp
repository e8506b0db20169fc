#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace vz {
namespace {

struct NamesCase {
  int productId;
  const char* version;
  std::string vendorKeyName;
  std::string displayName;
  std::string libraryFile;
  std::string addinFile;
};

TEST(CatalogueTest, ComposesEveryProductsNamesInBothLayouts) {
  const NamesCase cases[] = {
      {0, "3.5", "VantorZeltar\\3.5", "Vantor Zeltar V3.5", "Zeltar32.dll", "Zeltar.xla"},
      {0, "7.0", "VantorZeltar\\7.0", "Vantor Zeltar V7.0", "Zeltar32.xll", "Zeltar.xla"},
      {1, "6.5", "VantorZeltarPlatform\\6.5", "Vantor Zeltar Platform V6.5", "Zeltar32.dll",
       "Zeltar.xla"},
      {1, "7.0", "VantorZeltarPlatform\\7.0", "Vantor Zeltar Platform V7.0", "Zeltar32.xll",
       "Zeltar.xla"},
      {2, "4.0", "VantorZeltarEducation\\4.0", "Vantor Zeltar for Education V4.0", "Zeltar32.dll",
       "Zeltar.xla"},
      {2, "7.0", "VantorZeltarEducation\\7.0", "Vantor Zeltar for Education V7.0", "Zeltar32.xll",
       "Zeltar.xla"},
      {3, "5.0", "TalnorZeltar\\5.0", "Talnor Zeltar V5.0", "TALNeng.dll", "TALNeng.xla"},
      {3, "7.0", "TalnorZeltar\\7.0", "Talnor Zeltar V7.0", "TALNeng.dll", "TALNeng.xla"},
      {4, "5.5", "KebrantZeltar\\5.5", "Kebrant Zeltar V5.5", "KEBRAeng.dll", "KEBRAeng.xla"},
      {4, "7.0", "KebrantZeltar\\7.0", "Kebrant Zeltar V7.0", "KEBRAeng.dll", "KEBRAeng.xla"},
      {5, "6.0", "WIVORNETZeltar\\6.0", "WIVORNET Zeltar V6.0", "WIVOeng.dll", "WIVOeng.xla"},
      {5, "7.0", "WIVORNETZeltar\\7.0", "WIVORNET Zeltar V7.0", "WIVOeng.dll", "WIVOeng.xla"},
      {6, "3.5", "PELGlobalZeltar\\3.5", "PEL Global Zeltar V3.5", "PELeng.dll", "PELeng.xla"},
      {6, "7.0", "PELGlobalZeltar\\7.0", "PEL Global Zeltar V7.0", "PELeng.dll", "PELeng.xla"},
      {7, "6.5", "MorvantZeltar\\6.5", "Morvant Zeltar V6.5", "MORVAeng.dll", "MORVAeng.xla"},
      {7, "7.0", "MorvantZeltar\\7.0", "Morvant Zeltar V7.0", "MORVAeng.dll", "MORVAeng.xla"},
      {8, "4.0", "FENWIKZeltar\\4.0", "FENWIK Zeltar V4.0", "FENWIKeng.dll", "FENWIKeng.xla"},
      {8, "7.0", "FENWIKZeltar\\7.0", "FENWIK Zeltar V7.0", "FENWIKeng.dll", "FENWIKeng.xla"},
      {9, "5.0", "ARVELZeltar\\5.0", "ARVEL Zeltar V5.0", "ARVELeng.dll", "ARVELeng.xla"},
      {9, "7.0", "ARVELZeltar\\7.0", "ARVEL Zeltar V7.0", "ARVELeng.dll", "ARVELeng.xla"},
      {10, "5.5", "QUORINZeltarEngine\\5.5", "QUORIN Zeltar Engine V5.5", "QUORINeng.dll",
       "QUORINeng.xla"},
      {10, "7.0", "QUORINZeltarEngine\\7.0", "QUORIN Zeltar Engine V7.0", "QUORINeng.dll",
       "QUORINeng.xla"},
  };
  for (const NamesCase& c : cases) {
    SCOPED_TRACE(c.displayName);
    ProductNames names;
    composeNames(c.productId, c.version, std::string(c.version) == "7.0", &names);
    EXPECT_EQ(c.vendorKeyName, names.vendorKeyName.c_str());
    EXPECT_EQ(c.displayName, names.displayName.c_str());
    EXPECT_EQ(c.libraryFile, names.libraryFile.c_str());
    EXPECT_EQ(c.addinFile, names.addinFile.c_str());
    const std::string base = c.addinFile.substr(0, c.addinFile.size() - 4);
    EXPECT_EQ(base + ".hlp", names.helpFiles[0].c_str());
    EXPECT_EQ(base + ".cnt", names.helpFiles[1].c_str());
    EXPECT_EQ(base + ".gid", names.helpFiles[2].c_str());
    EXPECT_EQ(base + ".fts", names.helpFiles[3].c_str());

    FixedText<128> entry;
    ASSERT_TRUE(appendEntryName(entry, names.displayName));
    EXPECT_EQ("Corvane Systems " + c.displayName, entry.c_str());
  }
}

TEST(CatalogueTest, EntryNameThatDoesNotFitLeavesTheTextAsItWas) {
  ProductNames names;
  composeNames(2, "7.0", true, &names);  // the longest display name, 32 characters
  FixedText<49> fits;                    // 48 characters and the zero
  FixedText<58> tooSmall;                // ten characters, then 48 would need 59 bytes
  ASSERT_TRUE(tooSmall.assign("0123456789"));
  EXPECT_TRUE(appendEntryName(fits, names.displayName));
  EXPECT_EQ(48u, fits.size());
  EXPECT_FALSE(appendEntryName(tooSmall, names.displayName));
  EXPECT_STREQ("0123456789", tooSmall.c_str());
}

}  // namespace
}  // namespace vz
