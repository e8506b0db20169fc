// Test helper: holds a file open without delete sharing, as another program
// that uses the file would, until the file "<path>.release" appears.
//   vzhold.exe <path>
// Writes "<path>.held" once the file is open.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 2) return 120;
  HANDLE file = CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 121;
  char marker[MAX_PATH + 16];
  std::snprintf(marker, sizeof marker, "%s.held", argv[1]);
  HANDLE held = CreateFileA(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(held);
  std::snprintf(marker, sizeof marker, "%s.release", argv[1]);
  for (int i = 0; i < 1200 && GetFileAttributesA(marker) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(100);
  CloseHandle(file);
  return 0;
}
