// Entry point of vzuninst.exe, a windowed program that never opens a window.
#include <windows.h>

#include "platform/platform_win32.h"
#include "run/command_tail.h"
#include "run/run.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // The tail is derived from the full command line here: the C runtime's
  // lpCmdLine treats bytes above 0x7F and double-byte names differently.
  const char* tail = vz::commandTail(GetCommandLineA(), vz::isSystemLeadByte);
  vz::Win32Platform platform;
  return vz::runUninstall(platform, tail);
}
