// Test helper: a library that stands in for a product's add-in library.
// When regsvr32 unregisters it, it writes a marker file beside itself, so a
// test can see that the unregistration happened before the file was deleted.
#include <windows.h>

static HMODULE self;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) self = instance;
  return TRUE;
}

static HRESULT leaveMarker(const char* markerName) {
  char path[MAX_PATH + 64];
  const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return E_FAIL;
  char* end = path + length;
  while (end > path && end[-1] != '\\') --end;
  lstrcpyA(end, markerName);
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return E_FAIL;
  DWORD written = 0;
  WriteFile(file, path, static_cast<DWORD>(lstrlenA(path)), &written, nullptr);
  CloseHandle(file);
  return S_OK;
}

extern "C" HRESULT __stdcall DllRegisterServer() { return leaveMarker("registered.marker"); }
extern "C" HRESULT __stdcall DllUnregisterServer() { return leaveMarker("unregistered.marker"); }
