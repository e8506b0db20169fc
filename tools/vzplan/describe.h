// Describes what a run of the uninstaller would do, by running the
// uninstaller's own code on a machine that only records: nothing is read
// from or changed on the real machine.
#pragma once

#include <string>
#include <vector>

namespace vz::plan {

struct Event {
  enum Kind {
    kReadValue,
    kWindowsDir,
    kTest,
    kProbe,
    kCloseSearch,
    kAsk,
    kShow,
    kRun,
    kDelete,
    kMove,
    kDeleteKey
  };
  Kind kind;
  std::string first;   // key, path, pattern, text, command
  std::string second;  // value name, move destination, subkey
  // For kTest and kProbe: what follows when the answer is yes (something
  // exists or matches) and when it is no.  `endsRun` marks a branch after
  // which the run ends.
  std::vector<Event> ifYes, ifNo;
  bool yesEndsRun = false, noEndsRun = false;
};

struct Request {
  std::string tail;        // the command tail, as vzuninst.exe would get it
  std::string installDir;  // ends in a backslash, at most 255 characters
  std::string windowsDir = "C:\\WINDOWS";
};

// Checks a request; returns an empty text when it is usable, else the reason.
std::string validate(const Request& request);

// Every step of the run, in order; questions carry both branches.
std::vector<Event> describe(const Request& request);

std::string renderText(const Request& request, const std::vector<Event>& events);
std::string renderJson(const Request& request, const std::vector<Event>& events);

// The document listing, for every product in both layouts, the files a run
// removes, restores and probes.
std::string removalPlansDocument();

}  // namespace vz::plan
