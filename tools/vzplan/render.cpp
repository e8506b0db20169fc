#include <sstream>

#include "catalogue/catalogue.h"
#include "describe.h"

namespace vz::plan {
namespace {

std::string visible(const std::string& text) {
  std::string out;
  for (char c : text) out += (c == '\n') ? std::string("\\n") : std::string(1, c);
  return out;
}

std::string json(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c < 0x20 || c >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

const char* verb(Event::Kind kind) {
  switch (kind) {
    case Event::kReadValue:
      return "read";
    case Event::kWindowsDir:
      return "windir";
    case Event::kTest:
      return "test";
    case Event::kProbe:
      return "probe";
    case Event::kCloseSearch:
      return "close";
    case Event::kAsk:
      return "ask";
    case Event::kShow:
      return "show";
    case Event::kRun:
      return "run";
    case Event::kDelete:
      return "delete";
    case Event::kMove:
      return "move";
    case Event::kDeleteKey:
      return "delete-key";
  }
  return "?";
}

std::string line(const Event& e) {
  std::string out = verb(e.kind);
  out.resize(11, ' ');
  switch (e.kind) {
    case Event::kReadValue:
      return out + "HKLM\\" + e.first + "  value \"" + e.second + "\"";
    case Event::kAsk:
      return out + "[OK Cancel] \"" + visible(e.first) + "\"  (only OK goes on)";
    case Event::kShow:
      return out + "[OK] \"" + visible(e.first) + "\"  (the run ends)";
    case Event::kMove:
      return out + e.first + "  ->  " + e.second;
    case Event::kDeleteKey:
      return out + "HKLM\\" + e.first + e.second;
    case Event::kCloseSearch:
      return out + "the search (an engine library is left)";
    default:
      return out + e.first;
  }
}

void renderBranch(std::ostringstream& out, const char* label, const std::vector<Event>& branch,
                  bool endsRun, const std::string& indent) {
  out << indent << "  " << label << ":";
  if (branch.empty()) out << (endsRun ? " the run ends" : " the run goes on below");
  out << "\n";
  for (const Event& e : branch) out << indent << "      " << line(e) << "\n";
}

void renderJsonEvents(std::ostringstream& out, const std::vector<Event>& events,
                      const std::string& indent) {
  out << "[";
  for (size_t i = 0; i < events.size(); ++i) {
    const Event& e = events[i];
    out << (i ? "," : "") << "\n" << indent << "  {\"op\": " << json(verb(e.kind));
    switch (e.kind) {
      case Event::kReadValue:
        out << ", \"key\": " << json("HKLM\\" + e.first) << ", \"value\": " << json(e.second);
        break;
      case Event::kAsk:
      case Event::kShow:
        out << ", \"text\": " << json(e.first);
        break;
      case Event::kRun:
        out << ", \"command\": " << json(e.first);
        break;
      case Event::kMove:
        out << ", \"from\": " << json(e.first) << ", \"to\": " << json(e.second);
        break;
      case Event::kDeleteKey:
        out << ", \"parent\": " << json("HKLM\\" + e.first) << ", \"key\": " << json(e.second);
        break;
      case Event::kProbe:
        out << ", \"pattern\": " << json(e.first);
        break;
      case Event::kCloseSearch:
        break;
      case Event::kWindowsDir:
        out << ", \"directory\": " << json(e.first);
        break;
      default:
        out << ", \"path\": " << json(e.first);
        break;
    }
    if (e.kind == Event::kTest || e.kind == Event::kProbe) {
      out << ", \"" << (e.kind == Event::kTest ? "if_present" : "if_match") << "\": ";
      if (e.yesEndsRun)
        out << "\"the run ends\"";
      else
        renderJsonEvents(out, e.ifYes, indent + "  ");
      out << ", \"" << (e.kind == Event::kTest ? "if_absent" : "if_no_match") << "\": ";
      if (e.noEndsRun)
        out << "\"the run ends\"";
      else
        renderJsonEvents(out, e.ifNo, indent + "  ");
    }
    out << "}";
  }
  out << "\n" << indent << "]";
}

}  // namespace

std::string renderText(const Request& request, const std::vector<Event>& events) {
  std::ostringstream out;
  out << "vzuninst.exe " << request.tail << "\n";
  out << "install directory " << request.installDir << "\n\n";
  int step = 0;
  for (const Event& e : events) {
    char number[16];
    std::snprintf(number, sizeof number, "%3d. ", ++step);
    out << number << line(e) << "\n";
    if (e.kind == Event::kTest || e.kind == Event::kProbe) {
      const bool test = e.kind == Event::kTest;
      renderBranch(out, test ? "if present" : "if a file matches", e.ifYes, e.yesEndsRun, "    ");
      renderBranch(out, test ? "if absent" : "if none matches", e.ifNo, e.noEndsRun, "    ");
    }
  }
  return out.str();
}

std::string renderJson(const Request& request, const std::vector<Event>& events) {
  std::ostringstream out;
  out << "{\n  \"tail\": " << json(request.tail)
      << ",\n  \"install_dir\": " << json(request.installDir)
      << ",\n  \"windows_dir\": " << json(request.windowsDir) << ",\n  \"steps\": ";
  renderJsonEvents(out, events, "  ");
  out << "\n}\n";
  return out.str();
}

namespace {

void collect(const std::vector<Event>& events, const std::string& dir,
             std::vector<std::string>& removed, std::vector<std::string>& restored,
             std::vector<std::string>& probed);

// What one branch of a test or probe does, each item marked with `when`.
void collectBranch(const std::vector<Event>& branch, const std::string& dir, const char* when,
                   std::vector<std::string>& removed, std::vector<std::string>& restored,
                   std::vector<std::string>& probed) {
  std::vector<std::string> branchRemoved, branchRestored, branchProbed;
  collect(branch, dir, branchRemoved, branchRestored, branchProbed);
  for (const auto& item : branchRemoved) removed.push_back(item + when);
  for (const auto& item : branchRestored) restored.push_back(item + when);
  for (const auto& item : branchProbed) probed.push_back(item + when);
}

void collect(const std::vector<Event>& events, const std::string& dir,
             std::vector<std::string>& removed, std::vector<std::string>& restored,
             std::vector<std::string>& probed) {
  auto rel = [&](const std::string& path) {
    return path.compare(0, dir.size(), dir) == 0 ? path.substr(dir.size()) : path;
  };
  for (const Event& e : events) {
    switch (e.kind) {
      case Event::kDelete:
        removed.push_back("`" + rel(e.first) + "`");
        break;
      case Event::kMove:
        restored.push_back("`" + rel(e.first) + "` to `" + rel(e.second) + "`");
        break;
      case Event::kTest:
        probed.push_back("`" + rel(e.first) + "` exists?");
        break;
      case Event::kProbe:
        probed.push_back("`" + rel(e.first) + "` matches?");
        break;
      default:
        break;
    }
    if (e.kind == Event::kTest || e.kind == Event::kProbe) {
      const bool test = e.kind == Event::kTest;
      collectBranch(e.ifYes, dir, test ? " (if it exists)" : " (only if an engine library matches)",
                    removed, restored, probed);
      collectBranch(e.ifNo, dir, test ? " (otherwise)" : " (only if no engine library matches)",
                    removed, restored, probed);
    }
  }
}

std::string joinLines(const std::vector<std::string>& items) {
  if (items.empty()) return "- none\n";
  std::string out;
  for (const std::string& item : items) out += "- " + item + "\n";
  return out;
}

}  // namespace

std::string removalPlansDocument() {
  std::ostringstream out;
  out << "# What a confirmed run removes, restores and probes\n\n"
      << "Generated by `vzplan --removal-plans-doc` from the uninstaller's own code; a test\n"
      << "fails when this file is out of date (regenerate with\n"
      << "`cmake --build --preset linux --target removal-plans-doc`).\n\n"
      << "Paths are relative to the install directory, in the order the run uses them.\n"
      << "The legacy layout is shown for version 3.5 and is the same for 4.0 to 6.5.\n";
  const char* tags[] = {"", "V70"};
  for (int id = 0; id < kProductCount; ++id) {
    for (const char* tag : tags) {
      Request request;
      request.tail = std::string(kProductProfiles[id].code) + (*tag ? " " : "") + tag;
      request.installDir = "C:\\InstallDir\\";
      const std::vector<Event> events = describe(request);
      std::vector<std::string> removed, restored, probed;
      collect(events, request.installDir, removed, restored, probed);
      std::string unregistered;
      for (const Event& e : events) {
        if (e.kind == Event::kRun) unregistered = e.first;
      }
      std::string title = kProductProfiles[id].displayPrefix;
      title += *tag ? "7.0" : "3.5";
      out << "\n## " << title << " (`" << request.tail << "`, "
          << (*tag ? "7.0 layout" : "legacy layout") << ")\n\n";
      if (!unregistered.empty()) out << "Unregisters: `" << unregistered << "`\n\n";
      out << "Removes:\n\n"
          << joinLines(removed) << "\nRestores:\n\n"
          << joinLines(restored) << "\nProbes:\n\n"
          << joinLines(probed);
    }
  }
  return out.str();
}

}  // namespace vz::plan
