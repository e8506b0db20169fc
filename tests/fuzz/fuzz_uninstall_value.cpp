// Fuzzes the uninstall-entry lookup with arbitrary value data, then the
// too-long check and the removal plan on whatever install directory it
// yields.  The first byte picks the product and layout, the second whether
// the data is returned with a REG_SZ type; the rest is the value's data.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "catalogue/catalogue.h"
#include "discovery/lookup.h"
#include "removal/removal_plan.h"

namespace {

void require(bool property) {
  if (!property) std::abort();
}

// A machine with one uninstall entry whose value is the fuzz data.
class ValueMachine : public vz::Platform {
 public:
  ValueMachine(const uint8_t* data, size_t size, uint32_t type)
      : data_(data), size_(size), type_(type) {}
  long openMachineKey(const char*, uint32_t, vz::KeyHandle* key) override {
    *key = 7;
    return 0;
  }
  long queryValue(vz::KeyHandle, const char*, uint32_t* type, unsigned char* data,
                  uint32_t* size) override {
    *type = type_;
    if (size_ > *size) {
      *size = static_cast<uint32_t>(size_);
      return 234;  // ERROR_MORE_DATA
    }
    std::memcpy(data, data_, size_);
    *size = static_cast<uint32_t>(size_);
    return 0;
  }
  long closeKey(vz::KeyHandle) override { return 0; }
  long deleteSubkey(vz::KeyHandle, const char*) override { return 0; }
  uint32_t fileAttributes(const char*) override { return vz::kInvalidFileAttributes; }
  bool removeFile(const char*) override { return false; }
  bool renameFile(const char*, const char*) override { return false; }
  vz::SearchHandle findFirstFile(const char*) override { return vz::kInvalidSearch; }
  void findClose(vz::SearchHandle) override {}
  int showMessage(const char*, const char*, uint32_t) override { return 0; }
  Lookup environmentVariable(const char*, vz::TextBuffer&) override { return Lookup::kNotSet; }
  bool windowsDirectory(vz::TextBuffer&) override { return false; }
  void runCommand(const char*) override {}

 private:
  const uint8_t* data_;
  size_t size_;
  uint32_t type_;
};

// Every composed path must start with the install directory and fit.
class PathChecker : public vz::PlanActions {
 public:
  PathChecker(const vz::TextBuffer& installDir, bool fits) : dir_(installDir), fits_(fits) {}
  void unregisterLibrary(const char* commandLine) override { check(commandLine, false); }
  void removeFile(const char* path) override { check(path, true); }
  bool exists(const char* path) override {
    check(path, true);
    return (++questions_ & 1) != 0;
  }
  void moveFile(const char* from, const char* to) override {
    check(from, true);
    check(to, true);
  }
  bool engineLibraryRemains(const char* pattern) override {
    check(pattern, true);
    return false;
  }
  void pathTooLong() override { require(!fits_); }

 private:
  void check(const char* text, bool isPath) {
    const size_t length = std::strlen(text);
    require(length < 256);
    if (isPath) require(std::strncmp(text, dir_.c_str(), dir_.size()) == 0);
  }
  const vz::TextBuffer& dir_;
  bool fits_;
  unsigned questions_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int productId = data[0] % vz::kProductCount;
  const bool release70 = (data[0] / vz::kProductCount) & 1;
  const uint32_t type = (data[1] & 0x0F) == 0 ? 2 : vz::kRegString;
  ValueMachine machine(data + 2, size - 2, type);

  vz::ProductNames names;
  vz::composeNames(productId, release70 ? "7.0" : "3.5", release70, &names);
  vz::FixedText<128> keyPath;
  vz::FixedText<256> installDir;
  vz::KeyHandle key = 0;
  const vz::LookupResult result =
      vz::lookUpInstallDir(machine, names.displayName, keyPath, key, installDir);
  if (result != vz::LookupResult::kFound) {
    require(installDir.empty());
    return 0;
  }
  require(type == vz::kRegString && size - 2 <= 256);
  require(installDir.size() >= 1 && installDir.size() <= size - 2);
  require(installDir.c_str()[installDir.size() - 1] == '\\');
  require(installDir.c_str()[0] != '"');

  vz::FixedText<256> windowsDir, path, target;
  require(windowsDir.assign("C:\\WINDOWS"));
  const vz::PlanInputs inputs{productId, release70, installDir, names, &windowsDir};
  const bool fits = vz::planPathsFit(inputs, path, target);
  PathChecker checker(installDir, fits);
  vz::runRemovalPlan(inputs, path, target, checker);
  return 0;
}
