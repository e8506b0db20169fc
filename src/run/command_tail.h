// The command tail: the process command line less the program's own name
// and the blanks after it.  Derived here rather than taken from the C
// runtime, whose rule differs for bytes above 0x7F and double-byte names.
#pragma once

namespace vz {

// Answers whether `byte` is the lead byte of a double-byte character in the
// system's ANSI code page (IsDBCSLeadByte on Windows).
using LeadByteTest = bool (*)(unsigned char byte);

// Returns a pointer into `commandLine` where the tail begins; never null.
const char* commandTail(const char* commandLine, LeadByteTest isLeadByte);

}  // namespace vz
