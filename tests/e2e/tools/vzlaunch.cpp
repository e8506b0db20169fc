// Test helper: starts a program with an exact command line, byte for byte,
// which "wine prog.exe args" cannot do (it re-quotes the arguments).
//   vzlaunch.exe <file>   runs the command line stored in <file> (no newline)
// and exits with the started program's exit status.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) return 120;
  FILE* file = std::fopen(argv[1], "rb");
  if (file == nullptr) return 121;
  static char commandLine[32768];
  const size_t length = std::fread(commandLine, 1, sizeof commandLine - 1, file);
  std::fclose(file);
  commandLine[length] = '\0';

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return 122;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 123;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(status);
}
