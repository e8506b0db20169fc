#include "describe.h"

#include <cstring>
#include <map>

#include "platform/platform.h"
#include "run/run.h"

namespace vz::plan {
namespace {

// A machine on which the product's uninstall entry names `installDir`, the
// Windows directory is `windowsDir`, and every question is answered from a
// list.  It records what the run does instead of doing it.
class RecordingMachine : public Platform {
 public:
  RecordingMachine(const Request& request, std::vector<int> answers)
      : request_(request), answers_(std::move(answers)) {}

  std::vector<Event> events;

  long openMachineKey(const char* path, uint32_t, KeyHandle* key) override {
    *key = nextKey_++;
    keys_[*key] = path;
    return kRegistrySuccess;
  }
  long queryValue(KeyHandle key, const char* name, uint32_t* type, unsigned char* data,
                  uint32_t* size) override {
    record(Event::kReadValue, keys_[key], name);
    // The entry's command is the install directory itself: the run takes
    // the text up to its last backslash, which is all of it.
    const std::string& value = request_.installDir;
    std::memcpy(data, value.c_str(), value.size() + 1);
    *size = static_cast<uint32_t>(value.size() + 1);
    *type = kRegString;
    return kRegistrySuccess;
  }
  long closeKey(KeyHandle) override { return kRegistrySuccess; }
  long deleteSubkey(KeyHandle key, const char* subkey) override {
    record(Event::kDeleteKey, keys_[key], subkey);
    return kRegistrySuccess;
  }
  uint32_t fileAttributes(const char* path) override {
    record(Event::kTest, path);
    return answer() ? 0x80u : kInvalidFileAttributes;
  }
  bool removeFile(const char* path) override {
    record(Event::kDelete, path);
    return true;
  }
  bool renameFile(const char* from, const char* to) override {
    record(Event::kMove, from, to);
    return true;
  }
  SearchHandle findFirstFile(const char* pattern) override {
    record(Event::kProbe, pattern);
    return answer() ? 1 : kInvalidSearch;
  }
  void findClose(SearchHandle) override { record(Event::kCloseSearch, ""); }
  int showMessage(const char* text, const char*, uint32_t style) override {
    record(style == kBoxOkCancel ? Event::kAsk : Event::kShow, text);
    if (style == kBoxOkCancel) confirmed_ = true;
    return kAnswerOk;
  }
  Lookup environmentVariable(const char*, TextBuffer& value) override {
    record(Event::kWindowsDir, request_.windowsDir);
    return value.assign(request_.windowsDir.c_str()) ? Lookup::kFound : Lookup::kTooLong;
  }
  bool windowsDirectory(TextBuffer& directory) override {
    return directory.assign(request_.windowsDir.c_str());
  }
  void runCommand(const char* commandLine) override { record(Event::kRun, commandLine); }

 private:
  void record(Event::Kind kind, const std::string& first, const std::string& second = "") {
    Event event;
    event.kind = kind;
    event.first = first;
    event.second = second;
    events.push_back(event);
  }

  // Questions are numbered in the order asked.  Unless told otherwise, the
  // backup asked for before the confirmation is there (so the run goes on)
  // and everything asked after it is absent.
  bool answer() {
    const size_t index = asked_++;
    const bool given =
        (index < answers_.size() && answers_[index] >= 0) ? answers_[index] != 0 : !confirmed_;
    answered.push_back(given);
    return given;
  }

 public:
  std::vector<bool> answered;

 private:
  const Request& request_;
  std::vector<int> answers_;  // -1: the default answer
  std::map<KeyHandle, std::string> keys_;
  KeyHandle nextKey_ = 1;
  size_t asked_ = 0;
  bool confirmed_ = false;
};

struct Recording {
  std::vector<Event> events;
  std::vector<bool> answered;  // the answer given to each question
};

Recording record(const Request& request, std::vector<int> answers) {
  RecordingMachine machine(request, std::move(answers));
  runUninstall(machine, request.tail.c_str());
  return {machine.events, machine.answered};
}

bool isQuestion(const Event& e) { return e.kind == Event::kTest || e.kind == Event::kProbe; }

bool same(const Event& a, const Event& b) {
  return a.kind == b.kind && a.first == b.first && a.second == b.second;
}

}  // namespace

std::string validate(const Request& request) {
  const std::string& dir = request.installDir;
  if (dir.empty()) return "the install directory is missing (--install-dir)";
  if (dir.back() != '\\') return "the install directory must end in a backslash";
  if (dir.front() == '"') return "the install directory must not begin with a double quote";
  if (dir.size() > 255) return "the install directory has more than 255 characters";
  if (dir.find('\0') != std::string::npos) return "the install directory holds a zero byte";
  if (request.windowsDir.empty()) return "the Windows directory is empty";
  return "";
}

// Runs the uninstaller once with the default answers and once more for each
// question with that answer turned round; where the two runs part, the
// question's branches are what each does until they meet again.
std::vector<Event> describe(const Request& request) {
  const Recording base = record(request, {});
  std::vector<Event> out;
  size_t question = 0;
  for (size_t i = 0; i < base.events.size(); ++i) {
    Event event = base.events[i];
    if (!isQuestion(event)) {
      out.push_back(event);
      continue;
    }
    std::vector<int> answers(question + 1, -1);
    answers[question] = 1;
    const std::vector<Event> yes = record(request, answers).events;
    answers[question] = 0;
    const std::vector<Event> no = record(request, answers).events;
    const bool baseSaidYes = base.answered[question];
    ++question;

    // Strip the common tail of the two runs: what is left after the
    // question is each branch.
    size_t yesEnd = yes.size(), noEnd = no.size();
    while (yesEnd > i + 1 && noEnd > i + 1 && same(yes[yesEnd - 1], no[noEnd - 1])) {
      --yesEnd;
      --noEnd;
    }
    event.ifYes.assign(yes.begin() + i + 1, yes.begin() + yesEnd);
    event.ifNo.assign(no.begin() + i + 1, no.begin() + noEnd);
    if (yesEnd == yes.size()) {
      // The runs never meet again: the default branch is the rest of the
      // run, listed below; the other ends the run.
      (baseSaidYes ? event.ifYes : event.ifNo).clear();
      (baseSaidYes ? event.noEndsRun : event.yesEndsRun) = true;
      out.push_back(event);
      continue;
    }
    const size_t branchLength = baseSaidYes ? event.ifYes.size() : event.ifNo.size();
    out.push_back(event);
    i += branchLength;
  }
  return out;
}

}  // namespace vz::plan
