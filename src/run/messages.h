// Every text the program shows, declared once.  "\n" is a line break; the
// two blanks after a full stop inside a line are part of the texts.
#pragma once

#include "platform/fixed_text.h"
#include "platform/platform.h"

namespace vz::messages {

inline constexpr char kCaption[] = "Vantor Zeltar Products";

inline constexpr char kNotRecognized[] = "Command line argument not recognized";
inline constexpr char kEntryNotFound[] = "Uninstall command not found in Registry";
inline constexpr char kNoPath[] = "Uninstall command does not include path";
inline constexpr char kPathTooLong[] = "Install directory path is too long";

inline constexpr char kBackupMissing[] =
    "Backup copies of the standard Excel Zeltar files\n"
    "could not be found, so no action was taken.  You\n"
    "can use the Setup program Uninstall choice.  For\n"
    "assistance, please contact Corvane Systems at\n"
    "(800) 555-0142, or email at support@corvane.example.";

// Formats with one %s, replaced by the product's display name.
inline constexpr char kConfirmFormat[] = "To remove the %s,\nclick OK.  Otherwise click Cancel.";
inline constexpr char kCompletionFormat[] = "The %s files\nhave been removed.  Thank you.";

// Fills `out` with `format`, its one "%s" replaced by `name`.  False, with
// `out` empty, when the text would not fit.
[[nodiscard]] inline bool formatWithName(TextBuffer& out, const char* format,
                                         const TextBuffer& name) {
  out.clear();
  const char* p = format;
  while (p[0] != '\0' && !(p[0] == '%' && p[1] == 's')) ++p;
  const size_t head = static_cast<size_t>(p - format);
  const char* rest = (p[0] == '\0') ? p : p + 2;
  if (out.append(format, head) && out.append(name) && out.append(rest)) return true;
  out.clear();
  return false;
}

// A message that ends the run: no owner window, the common caption, one OK
// button and no icon.
inline void showFinalMessage(Platform& platform, const char* text) {
  platform.showMessage(text, kCaption, kBoxOk);
}

}  // namespace vz::messages
