#include "support/fake_platform.h"

#include <algorithm>
#include <cstring>

#include "support/allocation_counter.h"

namespace vz::testing {
namespace {

constexpr long kFileNotFound = 2;  // ERROR_FILE_NOT_FOUND
constexpr long kAccessDenied = 5;  // ERROR_ACCESS_DENIED
constexpr long kMoreData = 234;    // ERROR_MORE_DATA
constexpr uint32_t kAttrReadOnly = 0x01;
constexpr uint32_t kAttrDirectory = 0x10;
constexpr uint32_t kAttrNormal = 0x80;

std::string upper(std::string s) {
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return s;
}

std::string keyId(std::string path) {
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return upper(path);
}

std::string parentOf(const std::string& path) {
  const size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool wildcardMatch(const char* pattern, const char* name) {
  if (*pattern == '\0') return *name == '\0';
  if (*pattern == '*') {
    for (const char* p = name;; ++p) {
      if (wildcardMatch(pattern + 1, p)) return true;
      if (*p == '\0') return false;
    }
  }
  if (*name == '\0') return false;
  if (*pattern != '?' && *pattern != *name) return false;
  return wildcardMatch(pattern + 1, name + 1);
}

std::string quoted(const char* text) { return "\"" + visible(text) + "\""; }

std::string accessName(uint32_t access) {
  if (access == kKeyQueryValue) return "KEY_QUERY_VALUE";
  if (access == kKeySetValue) return "KEY_SET_VALUE";
  return std::to_string(access);
}

std::string styleName(uint32_t style) {
  if (style == kBoxOk) return "MB_OK";
  if (style == kBoxOkCancel) return "MB_OKCANCEL";
  return std::to_string(style);
}

}  // namespace

std::string visible(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

void FakePlatform::record(std::string call) { calls.push_back(std::move(call)); }

// --- The machine -------------------------------------------------------------

void FakePlatform::addKey(const std::string& path) {
  std::string id = keyId(path);
  while (!id.empty()) {
    keys_[id];
    id = parentOf(id);
  }
}

void FakePlatform::setString(const std::string& path, const std::string& name,
                             const std::string& text) {
  setValue(path, name, kRegString, text + std::string(1, '\0'));
}

void FakePlatform::setValue(const std::string& path, const std::string& name, uint32_t type,
                            const std::string& bytes) {
  addKey(path);
  keys_[keyId(path)].values[upper(name)] = Value{type, bytes};
}

bool FakePlatform::hasKey(const std::string& path) const { return keys_.count(keyId(path)) != 0; }

void FakePlatform::denyOpen(const std::string& path) { deniedOpens_.insert(keyId(path)); }

void FakePlatform::addFile(const std::string& path, const std::string& content) {
  Entry entry;
  entry.path = path;
  entry.content = content;
  files_[upper(path)] = entry;
}

void FakePlatform::addDirectory(const std::string& path) {
  Entry entry;
  entry.path = path;
  entry.directory = true;
  files_[upper(path)] = entry;
}

bool FakePlatform::hasFile(const std::string& path) const { return files_.count(upper(path)) != 0; }

std::string FakePlatform::contentOf(const std::string& path) const {
  auto it = files_.find(upper(path));
  return it == files_.end() ? std::string() : it->second.content;
}

void FakePlatform::setReadOnly(const std::string& path) { files_[upper(path)].readOnly = true; }

std::vector<std::string> FakePlatform::files() const {
  std::vector<std::string> out;
  for (const auto& [id, entry] : files_) {
    if (!entry.directory) out.push_back(entry.path);
  }
  std::sort(out.begin(), out.end());
  return out;
}

void FakePlatform::setEnv(const std::string& name, const std::string& value) {
  env_[upper(name)] = value;
}

void FakePlatform::unsetEnv(const std::string& name) { env_.erase(upper(name)); }

void FakePlatform::setWindowsDirectory(const std::string& path) { windowsDir_ = path; }

// --- Registry ------------------------------------------------------------------

long FakePlatform::openMachineKey(const char* path, uint32_t access, KeyHandle* key) {
  AllocationPause pause;
  record("RegOpenKeyExA(HKLM, " + quoted(path) + ", 0, " + accessName(access) + ")");
  const std::string id = keyId(path);
  if (deniedOpens_.count(id)) return kAccessDenied;
  if (!keys_.count(id)) return kFileNotFound;
  *key = nextKey_++;
  openKeys_[*key] = id;
  return kRegistrySuccess;
}

long FakePlatform::queryValue(KeyHandle key, const char* name, uint32_t* type, unsigned char* data,
                              uint32_t* size) {
  AllocationPause pause;
  record("RegQueryValueExA(key" + std::to_string(key) + ", " + quoted(name) + ", NULL, " +
         std::to_string(*size) + ")");
  auto open = openKeys_.find(key);
  if (open == openKeys_.end()) return kFileNotFound;
  const auto& values = keys_[open->second].values;
  auto it = values.find(upper(name));
  if (it == values.end()) return kFileNotFound;
  const std::string& bytes = it->second.bytes;
  *type = it->second.type;
  if (bytes.size() > *size) {
    *size = static_cast<uint32_t>(bytes.size());
    return kMoreData;
  }
  std::memcpy(data, bytes.data(), bytes.size());
  *size = static_cast<uint32_t>(bytes.size());
  return kRegistrySuccess;
}

long FakePlatform::closeKey(KeyHandle key) {
  AllocationPause pause;
  record("RegCloseKey(key" + std::to_string(key) + ")");
  return openKeys_.erase(key) ? kRegistrySuccess : kFileNotFound;
}

long FakePlatform::deleteSubkey(KeyHandle key, const char* subkey) {
  AllocationPause pause;
  record("RegDeleteKeyA(key" + std::to_string(key) + ", " + quoted(subkey) + ")");
  auto open = openKeys_.find(key);
  if (open == openKeys_.end()) return kFileNotFound;
  const std::string id = keyId(open->second + "\\" + subkey);
  if (!keys_.count(id)) return kFileNotFound;
  for (const auto& [other, unused] : keys_) {
    if (parentOf(other) == id) return kAccessDenied;  // still has subkeys
  }
  keys_.erase(id);
  return kRegistrySuccess;
}

// --- Files -------------------------------------------------------------------

uint32_t FakePlatform::fileAttributes(const char* path) {
  AllocationPause pause;
  record("GetFileAttributesA(" + quoted(path) + ")");
  auto it = files_.find(upper(path));
  if (it == files_.end()) return kInvalidFileAttributes;
  if (it->second.directory) return kAttrDirectory;
  return it->second.readOnly ? kAttrReadOnly : kAttrNormal;
}

bool FakePlatform::removeFile(const char* path) {
  AllocationPause pause;
  record("DeleteFileA(" + quoted(path) + ")");
  auto it = files_.find(upper(path));
  if (it == files_.end() || it->second.directory || it->second.readOnly) return false;
  files_.erase(it);
  return true;
}

bool FakePlatform::renameFile(const char* from, const char* to) {
  AllocationPause pause;
  record("MoveFileA(" + quoted(from) + ", " + quoted(to) + ")");
  auto source = files_.find(upper(from));
  if (source == files_.end() || files_.count(upper(to))) return false;
  Entry moved = source->second;
  moved.path = to;
  files_.erase(source);
  files_[upper(to)] = moved;
  return true;
}

SearchHandle FakePlatform::findFirstFile(const char* pattern) {
  AllocationPause pause;
  record("FindFirstFileA(" + quoted(pattern) + ")");
  const std::string wanted = upper(pattern);
  const std::string directory = parentOf(wanted);
  const std::string namePattern = wanted.substr(directory.size() + 1);
  for (const auto& [id, entry] : files_) {
    if (parentOf(id) != directory) continue;
    if (wildcardMatch(namePattern.c_str(), id.substr(directory.size() + 1).c_str())) {
      return nextSearch_++;
    }
  }
  return kInvalidSearch;
}

void FakePlatform::findClose(SearchHandle search) {
  AllocationPause pause;
  record("FindClose(find" + std::to_string(search) + ")");
}

// --- Dialogs, environment, commands ------------------------------------------------

int FakePlatform::showMessage(const char* text, const char* caption, uint32_t style) {
  AllocationPause pause;
  record("MessageBoxA(NULL, " + quoted(text) + ", " + quoted(caption) + ", " + styleName(style) +
         ")");
  boxes.push_back(styleName(style) + "|" + caption + "|" + visible(text));
  if (style != kBoxOkCancel || answers.empty()) return kAnswerOk;
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

Platform::Lookup FakePlatform::environmentVariable(const char* name, TextBuffer& value) {
  AllocationPause pause;
  record("GetEnvironmentVariableA(" + quoted(name) + ")");
  auto it = env_.find(upper(name));
  if (it == env_.end()) return Lookup::kNotSet;
  return value.assign(it->second.c_str()) ? Lookup::kFound : Lookup::kTooLong;
}

bool FakePlatform::windowsDirectory(TextBuffer& directory) {
  AllocationPause pause;
  record("GetWindowsDirectoryA()");
  return !windowsDir_.empty() && directory.assign(windowsDir_.c_str());
}

void FakePlatform::runCommand(const char* commandLine) {
  AllocationPause pause;
  record("system(" + quoted(commandLine) + ")");
  if (onCommand) onCommand(commandLine);
}

}  // namespace vz::testing
