// Planted beside tarvio.exe by the end-to-end scenario as a DLL or a program of a system
// name: whichever of them runs writes "<its own path>.mark", which must never appear.
#include <windows.h>

static void LeaveMark(HMODULE self) {
  char path[MAX_PATH + 8] = {};  // stays terminated even where the path is cut
  if (GetModuleFileNameA(self, path, MAX_PATH) == 0) return;
  lstrcatA(path, ".mark");
  CloseHandle(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

#ifdef TARVIO_MARK_LIBRARY
BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) LeaveMark(self);
  return TRUE;
}
#else
int WINAPI WinMain(HINSTANCE self, HINSTANCE, LPSTR, int) {
  LeaveMark(self);
  return 0;
}
#endif
