// vzplan: prints what vzuninst.exe would do for a command tail and an
// install directory, without touching any machine.
//   vzplan --install-dir 'C:\Apps\VZP\' [--windows-dir DIR] [--json] VZP V70
//   vzplan --removal-plans-doc
#include <cstdio>
#include <cstring>
#include <string>

#include "describe.h"

namespace {

int usage(const char* problem) {
  std::fprintf(stderr,
               "vzplan: %s\n"
               "usage: vzplan --install-dir DIR [--windows-dir DIR] [--json] CODE [TAG ...]\n"
               "       vzplan --removal-plans-doc\n",
               problem);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  vz::plan::Request request;
  bool asJson = false;
  bool tailStarted = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (!tailStarted && (arg == "--install-dir" || arg == "--windows-dir")) {
      if (i + 1 >= argc) return usage((arg + " needs a value").c_str());
      (arg == "--install-dir" ? request.installDir : request.windowsDir) = argv[++i];
    } else if (!tailStarted && arg == "--json") {
      asJson = true;
    } else if (!tailStarted && arg == "--removal-plans-doc") {
      std::fputs(vz::plan::removalPlansDocument().c_str(), stdout);
      return 0;
    } else if (!tailStarted && arg == "--") {
      tailStarted = true;
    } else if (!tailStarted && arg.compare(0, 2, "--") == 0) {
      return usage(("unknown option " + arg).c_str());
    } else {
      tailStarted = true;
      if (!request.tail.empty()) request.tail += ' ';
      request.tail += arg;
    }
  }
  const std::string problem = vz::plan::validate(request);
  if (!problem.empty()) return usage(problem.c_str());
  const auto events = vz::plan::describe(request);
  const std::string report =
      asJson ? vz::plan::renderJson(request, events) : vz::plan::renderText(request, events);
  std::fputs(report.c_str(), stdout);
  return 0;
}
