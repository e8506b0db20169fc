#include "run/command_tail.h"

namespace vz {
namespace {

bool isBlank(unsigned char c) { return c != 0 && c <= 0x20; }

// A quoted name runs to the next double quote; the byte after a lead byte
// belongs to its character and never closes the name.
const char* skipQuotedName(const char* p, LeadByteTest isLeadByte) {
  ++p;  // the opening quote
  while (*p != '\0' && *p != '"') {
    if (isLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') ++p;
    ++p;
  }
  if (*p == '"') ++p;  // text glued to the closing quote is already the tail
  return p;
}

const char* skipPlainName(const char* p) {
  while (static_cast<unsigned char>(*p) > 0x20) ++p;
  return p;
}

}  // namespace

const char* commandTail(const char* commandLine, LeadByteTest isLeadByte) {
  const char* p = commandLine;
  if (*p == '"') {
    p = skipQuotedName(p, isLeadByte);
  } else {
    p = skipPlainName(p);
  }
  while (isBlank(static_cast<unsigned char>(*p))) ++p;
  return p;
}

}  // namespace vz
