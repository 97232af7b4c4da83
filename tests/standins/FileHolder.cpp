// Stands in for another living process that holds a file: a run of the
// program holding its staging record, or a virus scanner looking at a file
// that has just arrived. Opens the file its command line names without
// sharing and holds it for a minute at most, until it ends or is ended;
// exits with 1 when the file can't be opened.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR path, int) {
    const HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    Sleep(60000);
    CloseHandle(file);
    return 0;
}
