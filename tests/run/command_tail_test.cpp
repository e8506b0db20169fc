#include "run/command_tail.h"

#include <gtest/gtest.h>

#include <string>

namespace vz {
namespace {

// A double-byte code page in which 0x81 to 0x9F lead a two-byte character,
// as in code page 932.
bool shiftJisLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0x9F; }
bool noLeadBytes(unsigned char) { return false; }

struct TailCase {
  const char* name;
  std::string commandLine;
  std::string tail;
  LeadByteTest leadBytes = noLeadBytes;
};

TEST(CommandTailTest, SkipsTheProgramNameAndTheBlanksAfterIt) {
  const TailCase cases[] = {
      {"plain name", "vzuninst.exe VANT V70", "VANT V70"},
      {"plain name, tabs and spaces", "vzuninst.exe \t  VANT", "VANT"},
      {"control characters count as blanks", "vzuninst.exe\x01\x1f VANT", "VANT"},
      {"no tail", "vzuninst.exe", ""},
      {"only blanks after the name", "vzuninst.exe   ", ""},
      {"quoted name", "\"C:\\Program Files\\vzuninst.exe\" VZP V70", "VZP V70"},
      {"tail glued to the closing quote", "\"C:\\x\\vzuninst.exe\"VANT", "VANT"},
      {"quoted name without closing quote", "\"C:\\x\\vzuninst.exe VANT", ""},
      {"blanks at the end of the tail stay", "vz  VANT  ", "VANT  "},
      {"quotes inside the tail stay", "vz \"VANT\" V70", "\"VANT\" V70"},
      {"high bytes are name characters", "vz\xe9\xa0z VANT", "VANT"},
      {"a leading blank means no name", " VANT V70", "VANT V70"},
      {"empty command line", "", ""},
      {"lead byte hides a quote", "\"C:\\\x81\"x.exe\" VANT", "VANT", shiftJisLeadByte},
      {"without lead bytes that quote ends the name", "\"C:\\\x81\"x.exe\" VANT", "x.exe\" VANT"},
      {"lead byte at the very end", "\"C:\\\x81", "", shiftJisLeadByte},
  };
  for (const TailCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.tail, std::string(commandTail(c.commandLine.c_str(), c.leadBytes)));
  }
}

}  // namespace
}  // namespace vz
