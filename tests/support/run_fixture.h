// A whole run on the fake machine, with helpers that spell out the calls a
// run makes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_platform.h"

namespace vz::testing {

inline const std::string kUninstallList =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
inline const std::string kVendorKey = "Software\\CorvaneSystems\\";
inline const std::string kCaption = "\"Vantor Zeltar Products\"";

inline std::string entryKey(const std::string& displayName) {
  return kUninstallList + "Corvane Systems " + displayName;
}

// The calls that read the product's uninstall entry and close it again.
inline std::vector<std::string> readEntryCalls(const std::string& displayName) {
  return {
      "RegOpenKeyExA(HKLM, \"" + entryKey(displayName) + "\", 0, KEY_QUERY_VALUE)",
      "RegQueryValueExA(key1, \"UninstallString\", NULL, 256)",
      "RegCloseKey(key1)",
  };
}

inline std::string finalBox(const std::string& text) {
  return "MessageBoxA(NULL, \"" + visible(text) + "\", " + kCaption + ", MB_OK)";
}

inline std::string confirmBox(const std::string& displayName) {
  return "MessageBoxA(NULL, \"To remove the " + displayName +
         ",\\nclick OK.  Otherwise click Cancel.\", " + kCaption + ", MB_OKCANCEL)";
}

inline std::string completionBox(const std::string& displayName) {
  return "MessageBoxA(NULL, \"The " + displayName + " files\\nhave been removed.  Thank you.\", " +
         kCaption + ", MB_OK)";
}

inline std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

}  // namespace vz::testing
