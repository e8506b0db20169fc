// An in-memory machine for tests: registry keys with typed values, files and
// directories, environment variables and scripted message-box answers.
// Every call is recorded, with its arguments, in the order it was made; the
// records are the program's observable behaviour.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace vz::testing {

class FakePlatform : public Platform {
 public:
  // --- The machine ---------------------------------------------------------
  // Registry paths are below HKEY_LOCAL_MACHINE; letter case and a trailing
  // backslash do not matter, as on Windows.
  void addKey(const std::string& path);  // with every parent key
  void setString(const std::string& path, const std::string& name, const std::string& text);
  // Raw value data, exactly these bytes (no terminator added).
  void setValue(const std::string& path, const std::string& name, uint32_t type,
                const std::string& bytes);
  bool hasKey(const std::string& path) const;
  // Opening this key fails with "access denied".
  void denyOpen(const std::string& path);

  void addFile(const std::string& path, const std::string& content = "");
  void addDirectory(const std::string& path);
  bool hasFile(const std::string& path) const;
  std::string contentOf(const std::string& path) const;
  void setReadOnly(const std::string& path);
  std::vector<std::string> files() const;  // every file path, sorted

  void setEnv(const std::string& name, const std::string& value);
  void unsetEnv(const std::string& name);
  void setWindowsDirectory(const std::string& path);  // "" makes the call fail

  // Answers for OK/Cancel boxes, in order; when none is left the answer is OK.
  std::deque<int> answers;
  // Called when a command line is run, for tests that model its effect.
  std::function<void(const std::string&)> onCommand;

  // --- What happened ---------------------------------------------------------
  std::vector<std::string> calls;
  // The message boxes alone, as "style|caption|text".
  std::vector<std::string> boxes;

  // --- Platform ------------------------------------------------------------
  long openMachineKey(const char* path, uint32_t access, KeyHandle* key) override;
  long queryValue(KeyHandle key, const char* name, uint32_t* type, unsigned char* data,
                  uint32_t* size) override;
  long closeKey(KeyHandle key) override;
  long deleteSubkey(KeyHandle key, const char* subkey) override;
  uint32_t fileAttributes(const char* path) override;
  bool removeFile(const char* path) override;
  bool renameFile(const char* from, const char* to) override;
  SearchHandle findFirstFile(const char* pattern) override;
  void findClose(SearchHandle search) override;
  int showMessage(const char* text, const char* caption, uint32_t style) override;
  Lookup environmentVariable(const char* name, TextBuffer& value) override;
  bool windowsDirectory(TextBuffer& directory) override;
  void runCommand(const char* commandLine) override;

 private:
  struct Value {
    uint32_t type;
    std::string bytes;
  };
  struct Key {
    std::map<std::string, Value> values;  // by upper-case name
  };
  struct Entry {
    std::string path;  // as created
    bool directory = false;
    bool readOnly = false;
    std::string content;
  };

  void record(std::string call);

  std::map<std::string, Key> keys_;  // by normalised path
  std::set<std::string> deniedOpens_;
  std::map<KeyHandle, std::string> openKeys_;
  KeyHandle nextKey_ = 1;
  std::map<std::string, Entry> files_;  // by upper-case path
  SearchHandle nextSearch_ = 1;
  std::map<std::string, std::string> env_;  // by upper-case name
  std::string windowsDir_ = "C:\\WINDOWS";
};

// Shows text as it appears in a trace: a line break as \n.
std::string visible(const std::string& text);

}  // namespace vz::testing
